# NewTab: 采矿权新立申请表 (kind 1), laid out as the paper form; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|NewTab|1|采矿权新立申请表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
@page|3|7155|7545|(1500,4590)-(6900,6690)
@page|4|7155|7545|
Label|Label1|0|0||4330|371|940|188||编    号|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|1|0||4330|701|940|188||收件日期|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Shape|Shape2|0|0||4300|300|2615|660|||||
Line|Line1|0|0||4300|630|6915|630|||||
Line|Line1|1|0||5300|300|5300|960|||||
Label|Label1|2|0||240|1500|6675|840||采矿权新立申请表|黑体,26,b|align=2 transparent|ZN黑体,ZS42
Label|Label1|3|0||600|3720|2160|340||申请人（盖章）：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|3700|3600|360|申请人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|2|0||2820|4060|6420|4060|||||
Label|Label1|4|0||600|4320|2160|340||矿山名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|4300|3600|360|矿山名称||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|3|0||2820|4660|6420|4660|||||
Label|Label1|5|0||600|4920|2160|340||填表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|4900|3600|360|填表人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|4|0||2820|5260|6420|5260|||||
Label|Label1|6|0||600|5520|2160|340||填表时间：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|5500|3600|360|填表时间||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|5|0||2820|5860|6420|5860|||||
Label|Label1|7|0||240|6845|6675|360||矿业权登记管理机关 制|宋体,12|align=2 transparent hidden|ZN宋体,ZS16,[V]
Label|lblHead|0|1||240|420|6675|560||填  表  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|Label1|8|1||360|1120|6555|375||本表用于申请新设立采矿权。请用计算机逐项如实填写，填写完毕后打印，申请人在封面盖章，连同申请材料一并报送登记管理机关。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|1|1||300|1645|1760|259||1．申请人|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|1|1||2120|1645|4795|375||填写申请采矿权的企业全称，应与营业执照上的名称一致；个人申请的填写本人姓名。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|2|1||300|2115|1760|259||2．矿山名称|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|2|1||2120|2115|4795|375||填写拟设立矿山企业的全称，应与项目审批文件和划定矿区范围批复中的名称一致。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|3|1||300|2585|1760|375||3．经济类型|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|3|1||2120|2585|4795|375||经济类型、资金来源、采矿权取得方式等栏目从下拉列表中选取。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|4|1||300|3055|1760|439||4．开采主矿种|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|4|1||2120|3055|4795|555||点击下拉按钮从矿种目录中选取，也可输入矿种名称查找；有共生、伴生矿产的，勾选“共伴生”并填写“其它主矿种”。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|5|1||300|3705|1760|439||5．所在行政区|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|5|1||2120|3705|4795|555||填写矿区所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取；跨行政区的，填写矿区主要部分所在地。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|6|1||300|4355|1760|439||6．规模及储量|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|6|1||2120|4355|4795|555||设计规模、总储量按批准的开发利用方案和储量评审备案文件填写，计量单位随矿种确定，可点击“▼”选择储量单位。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|7|1||300|5005|1760|439||7．矿区范围|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|7|1||2120|5005|4795|555||在“矿区范围”页逐点录入矿区范围拐点坐标及开采标高，点击“计 算”求得开采深度和矿区面积，面积以平方公里计。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|8|1||300|5655|1760|259||8．采矿权使用费|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|8|1||2120|5655|4795|375||按矿区面积每平方公里每年一千元计算，不足半平方公里的按半平方公里计，由程序自动算出。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|9|1||300|6125|1760|259||9．采矿权价款|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|9|1||2120|6125|4795|375||以国家出资勘查形成的矿产地申请采矿权的，填写评估确认的采矿权价款及其处置方式；不涉及的填0。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|10|1||300|6595|1760|375||10．数值栏目|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|10|1||2120|6595|4795|375||只填写数字，比率以百分数填写，计量单位见栏目后的说明。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|11|1||300|7042|1760|242||11．填表时间|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|11|1||2120|7065|4795|195||按“年-月-日”的格式填写，如2004-05-18。|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|9|2||240|150|6675|420||采矿权新立申请表|黑体,14,b|align=2 transparent|ZN黑体,ZS18
Label|Label1|10|2||270|698|1340|188||法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||1670|650|1877|285|法定代表人||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|11|2||3607|698|1340|188||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||5007|650|1878|285|电话||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|12|2||270|1044|1340|188||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||1670|995|1877|285|地址||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|13|2||3607|1044|1340|188||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||5007|995|1878|285|邮编||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|14|2||270|1388|1340|188||开户银行|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||1670|1340|1877|285|开户银行||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|15|2||3607|1388|1340|188||帐号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||5007|1340|1878|285|帐号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|16|2||270|1734|1340|188||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||1670|1685|1877|285|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|17|2||3607|1734|1340|188||资金来源|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||5007|1685|1878|285|资金来源||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|18|2||270|2078|1340|188||注册资金|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||1670|2030|787|285|注册资金||宋体,9|border=0|ZN宋体,ZS12
ComboBox|ChCBO|8|2||2487|2030|1060|285|注册资金单位||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|19|2||3607|2078|1340|188||投资额|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|16|2||5007|2030|788|285|投资额||宋体,9|border=0|ZN宋体,ZS12
ComboBox|ChCBO|9|2||5825|2030|1060|285|投资额单位||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|20|2||270|2424|1340|188||项目审批机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|17|2||1670|2375|1877|285|项目审批机关||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|21|2||3607|2424|1340|188||批准文号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|4|2||5007|2375|1878|285|批准文号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|22|2||270|2768|1340|188||勘查许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||1670|2720|1877|285|勘查许可证号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|23|2||3607|2768|1340|188||划矿备案号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|26|2||5007|2720|1878|285|划矿备案号||宋体,9|border=0|ZN宋体,ZS12
Label|LabelTree|1|2||270|3114|1340|188||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|25|2||1670|3065|900|285|所在行政区||宋体,9|border=0|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2600|3065|400|285||>>|宋体,9||
Label|LabelXZQName|-1|2||3030|3080|3900|255|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
Label|LabelTree|0|2||270|3458|1340|188||开采主矿种|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||1670|3410|1877|285|开采主矿种||宋体,9|style=0|Y,ZN宋体,ZS12
CheckBox|CheckTogether|-1|2||3607|3410|900|285|共伴生类型|共伴生|宋体,9||ZN宋体,ZS10.5
TextBox|KCDM|-1|2||4537|3410|500|285|||宋体,9|hidden|
Label|Label1|24|2||4567|3458|920|188||其它主矿种|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||5517|3410|1368|285|其它主矿种||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|25|2||270|3804|1340|188||采矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|3|2||1670|3755|1877|285|采矿权取得方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|26|2||3607|3804|1340|188||设计年限|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|27|2||5007|3755|1648|285|设计年限||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|27|2||6685|3804|200|188||年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|28|2||270|4148|1340|188||设计规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||1670|4100|850|285|设计规模||宋体,9|border=0|ZN宋体,ZS12
Label|LabelGM|0|2||2550|4115|997|255||万吨/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|29|2||3607|4148|1340|188||储量规模|宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelCL|-1|2||5007|4115|1970|255|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
Label|Label1|30|2||270|4494|1340|188||总储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1670|4445|850|285|总储量||宋体,9|border=0|ZN宋体,ZS12
Label|LabelGM|1|2||2550|4445|1900|285||万吨|宋体,9|transparent|ZN宋体,ZS10.5
CommandButton|CommandCL|-1|2||4480|4460|255|255||▼|宋体,9||
TextBox|ChTXT|28|2||4765|4445|1100|285|储量单位||宋体,9|hidden disabled|
TextBox|ChTXT|29|2||4765|4445|1100|285|矿石类型||宋体,9|hidden disabled|
Label|Label1|31|2||270|5002|1340|376||地质报告\n审批情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|0|2||1670|4790|5215|800|地质报告审批情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|32|2||270|5956|1340|188||探明地质储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|1|2||1670|5650|5215|800|探明地质储量||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|33|2||270|6816|1340|188||设计利用储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|2|2||1670|6510|5215|800|设计利用储量||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Shape|Shape2|1|2||240|620|6675|6720||||linewidth=2|
Line|Line1|6|2||240|965|6915|965|||||
Line|Line1|7|2||240|1310|6915|1310|||||
Line|Line1|8|2||240|1655|6915|1655|||||
Line|Line1|9|2||240|2000|6915|2000|||||
Line|Line1|10|2||240|2345|6915|2345|||||
Line|Line1|11|2||240|2690|6915|2690|||||
Line|Line1|12|2||240|3035|6915|3035|||||
Line|Line1|13|2||240|3380|6915|3380|||||
Line|Line1|14|2||240|3725|6915|3725|||||
Line|Line1|15|2||240|4070|6915|4070|||||
Line|Line1|16|2||240|4415|6915|4415|||||
Line|Line1|17|2||240|4760|6915|4760|||||
Line|Line1|18|2||240|5620|6915|5620|||||
Line|Line1|19|2||240|6480|6915|6480|||||
Line|Line1|20|2||1640|620|1640|7340|||||
Line|Line1|21|2||3577|620|3577|3035|||||
Line|Line1|22|2||3577|3380|3577|4415|||||
Line|Line1|23|2||4537|3380|4537|3725|||||
Line|Line1|24|2||4977|620|4977|3035|||||
Line|Line1|25|2||4977|3725|4977|4415|||||
TreeView|TreeView2|-1|2||1670|3695|2500|2500|||宋体,9|hidden|
ListBox|List1|-1|2||1670|3695|2500|2000|||宋体,9|hidden|
ListBox|ListCL|-1|2||1485|4715|3300|1320|||宋体,9|hidden|
TreeView|TreeView1|-1|2||270|3370|2330|3400|||宋体,9|hidden|
Label|Label1|34|3||240|150|6675|420||采矿权新立申请表（续）|黑体,14,b|align=2 transparent|ZN黑体,ZS18
Label|Label1|35|3||270|698|1500|188||开采方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|4|3||1830|650|1717|285|开采方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|36|3||3607|698|1280|188||采矿方法|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|5|3||4947|650|1938|285|采矿方法||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|37|3||270|1044|1500|188||选矿方法|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|6|3||1830|995|1717|285|选矿方法||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|38|3||3607|1044|1280|188||采矿回采率|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|21|3||4947|995|1728|285|采矿回采率||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|39|3||6705|1044|180|188||%|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|40|3||270|1388|1500|188||矿石贫化率|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|22|3||1830|1340|1507|285|矿石贫化率||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|41|3||3367|1388|180|188||%|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|42|3||3607|1388|1280|188||选矿回收率|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|23|3||4947|1340|1728|285|选矿回收率||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|43|3||6705|1388|180|188||%|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|44|3||270|1734|1500|188||应缴纳采矿权价款|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|24|3||1830|1685|1307|285|应缴纳采矿权价款||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|45|3||3167|1734|380|188||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|46|3||3607|1734|1280|188||价款处置方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|7|3||4947|1685|1938|285|价款处置方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|47|3||270|2165|1500|188||矿石品位|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|3|3||1830|2030|5055|458|矿石品位||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|48|3||270|2683|1500|188||综合回收|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|4|3||1830|2548|5055|458|综合回收||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|49|3||270|3201|1500|188||最终产品|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|5|3||1830|3066|5055|458|最终产品||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|50|3||270|3719|1500|188||探矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|6|3||1830|3584|5055|458|探矿权取得方式||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|51|3||270|4237|1500|188||价款处置方式说明|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|7|3||1830|4102|5055|458|价款处置方式说明||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|52|3||270|5452|1200|376||矿区范围\n示意图|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|53|3||270|6786|1200|188||开采深度|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|0|3||1530|6738|1300|285|采深上限||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|54|3||2860|6786|240|188||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|1|3||3130|6738|1300|285|采深下限||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|55|3||4460|6786|700|188||米标高|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|56|3||5190|6786|1695|188|||宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|57|3||270|7166|1200|188||矿区面积|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|2|3||1530|7118|1087|285|矿区面积||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|58|3||2647|7166|760|188||平方公里|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|59|3||3467|7166|1340|188||采矿权使用费|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|3|3||4867|7118|1248|285|采矿权使用费||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|60|3||6145|7166|740|188||千元/年|宋体,9|transparent|ZN宋体,ZS10.5
Shape|Shape2|2|3||240|620|6675|6830||||linewidth=2|
Line|Line1|26|3||240|965|6915|965|||||
Line|Line1|27|3||240|1310|6915|1310|||||
Line|Line1|28|3||240|1655|6915|1655|||||
Line|Line1|29|3||240|2000|6915|2000|||||
Line|Line1|30|3||240|2518|6915|2518|||||
Line|Line1|31|3||240|3036|6915|3036|||||
Line|Line1|32|3||240|3554|6915|3554|||||
Line|Line1|33|3||240|4072|6915|4072|||||
Line|Line1|34|3||240|4590|6915|4590|||||
Line|Line1|35|3||240|6690|6915|6690|||||
Line|Line1|36|3||240|7070|6915|7070|||||
Line|Line1|37|3||1500|4590|1500|7450|||||
Line|Line1|38|3||1800|620|1800|4590|||||
Line|Line1|39|3||3437|7070|3437|7450|||||
Line|Line1|40|3||3577|620|3577|2000|||||
Line|Line1|41|3||4837|7070|4837|7450|||||
Line|Line1|42|3||4917|620|4917|2000|||||
GridGraph|Grid_Graph1|-1|4||60|60|7035|5880|||宋体,9||
Frame|ZFRAME2|-1|4||60|6000|5400|1040|||宋体,9||
Label|ZLAB1|-1|4|ZFRAME2|120|180|800|255||开采深度|宋体,9|transparent|
TextBox|ChTXT|18|4|ZFRAME2|930|150|1000|300|采深上限||宋体,9|border=1|
Label|ZLAB2|-1|4|ZFRAME2|1960|180|300|255||至|宋体,9|align=2 transparent|
TextBox|ChTXT|19|4|ZFRAME2|2290|150|1000|300|采深下限||宋体,9|border=1|
Label|ZLAB3|-1|4|ZFRAME2|3320|180|700|255||米标高|宋体,9|transparent|
Label|ZLAB8|-1|4|ZFRAME2|120|585|2100|255||矿区面积：（平方公里）|宋体,9|transparent|
TextBox|ChTXT|20|4|ZFRAME2|2250|555|1200|300|矿区面积||宋体,9|border=1|
CommandButton|CALCOM|-1|4|ZFRAME2|4140|150|1080|400||计 算|宋体,9||
CommandButton|GRPHCOM|-1|4||5580|6100|1460|420||图 形|宋体,9||
ComboBox|AREACOM|-1|4||5580|6640|1460|300|||宋体,9|style=2|
