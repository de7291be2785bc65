# DrawArea: 划定矿区范围表 (kind 5), laid out as the paper form; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|DrawArea|5|划定矿区范围表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
@page|3|7155|7545|(990,3855)-(6900,6660)
@page|4|7155|7545|
Label|Label1|0|0||4330|371|940|188||编    号|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|1|0||4330|701|940|188||收件日期|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Shape|Shape2|0|0||4300|300|2615|660|||||
Line|Line1|0|0||4300|630|6915|630|||||
Line|Line1|1|0||5300|300|5300|960|||||
Label|Label1|2|0||240|1500|6675|840||划定矿区范围表|黑体,26,b|align=2 transparent|ZN黑体,ZS42
Label|Label1|3|0||600|3720|2160|340||申请人（盖章）：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|3700|3600|360|申请人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|2|0||2820|4060|6420|4060|||||
Label|Label1|4|0||600|4320|2160|340||矿区名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|4300|3600|360|矿区名称||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|3|0||2820|4660|6420|4660|||||
Label|Label1|5|0||600|4920|2160|340||填表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|4900|3600|360|填表人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|4|0||2820|5260|6420|5260|||||
Label|Label1|6|0||600|5520|2160|340||填表时间：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|5500|3600|360|填表时间||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|5|0||2820|5860|6420|5860|||||
Label|Label1|7|0||240|6845|6675|360||矿业权登记管理机关 制|宋体,12|align=2 transparent hidden|ZN宋体,ZS16,[V]
Label|lblHead|0|1||240|420|6675|560||填  表  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|Label1|8|1||360|1120|6555|375||申请划定矿区范围的，应在办理采矿登记前填写本表。请用计算机逐项如实填写，填写完毕后打印，申请人在封面盖章，连同申请材料一并报送登记管理机关。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|1|1||300|1645|1760|259||1．申请人|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|1|1||2120|1645|4795|375||填写申请划定矿区范围的企业全称，应与营业执照上的名称一致；个人申请的填写本人姓名。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|2|1||300|2092|1760|242||2．矿区名称|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|2|1||2120|2115|4795|195||填写拟设矿区的名称，应与地质勘查报告中的名称一致。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|3|1||300|2452|1760|259||3．勘查许可证号|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|3|1||2120|2452|4795|375||以探矿权申请划定矿区范围的，填写勘查许可证号及其有效期起止日期，并说明探矿权的取得方式。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|4|1||300|2898|1760|242||4．保留期限|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|4|1||2120|2922|4795|195||填写申请保留矿区范围的期限，以年计。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|5|1||300|3259|1760|259||5．开采主矿种|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|5|1||2120|3259|4795|375||点击下拉按钮从矿种目录中选取；有共生、伴生矿产的，勾选“共伴生”，并在“其它主矿种”栏填写。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|6|1||300|3729|1760|439||6．规模及储量|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|6|1||2120|3729|4795|555||规划规模、总储量、地质储量和可采储量按经评审备案的储量报告填写，计量单位随矿种确定，可点击“▼”选择储量单位。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|7|1||300|4379|1760|259||7．所在行政区|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|7|1||2120|4379|4795|375||填写矿区所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|8|1||300|4849|1760|439||8．矿区范围|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|8|1||2120|4849|4795|555||在“矿区范围”页逐点录入矿区范围拐点坐标及开采标高，点击“计 算”求得开采深度和矿区面积，面积以平方公里计。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|9|1||300|5476|1760|242||9．规划生产能力|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|9|1||2120|5499|4795|195||填写矿山规划的生产能力和服务年限。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|10|1||300|5812|1760|242||10．填表时间|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|10|1||2120|5836|4795|195||按“年-月-日”的格式填写，如2004-05-18。|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|9|2||240|150|6675|420||划定矿区范围表|黑体,14,b|align=2 transparent|ZN黑体,ZS18
Label|Label1|10|2||270|698|1340|188||法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|4|2||1670|650|1877|285|法定代表人||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|11|2||3607|698|1340|188||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||5007|650|1878|285|电话||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|12|2||270|1044|1340|188||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||1670|995|1877|285|地址||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|13|2||3607|1044|1340|188||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||5007|995|1878|285|邮编||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|14|2||270|1388|1340|188||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||1670|1340|1877|285|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|15|2||3607|1388|1340|188||采矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||5007|1340|1878|285|采矿权取得方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|16|2||270|1734|1340|188||勘查许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||1670|1685|1877|285|勘查许可证号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|17|2||3607|1734|1340|188||保留期限|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||5007|1685|1500|285|保留期限||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|44|2||6535|1734|350|188||年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|18|2||270|2078|1340|188||审批机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|16|2||1670|2030|1877|285|审批机关||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|19|2||3607|2078|1340|188||批准文号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|17|2||5007|2030|1878|285|批准文号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|20|2||270|2424|1340|188||有效期|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||1670|2375|1300|285|有效期起||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|21|2||3000|2424|240|188||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||3270|2375|1300|285|有效期止||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|22|2||4600|2424|2285|188|||宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelTree|1|2||270|2768|1340|188||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||1670|2720|900|285|所在行政区||宋体,9|border=0|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2600|2720|400|285||>>|宋体,9||
Label|LabelXZQName|-1|2||3030|2735|3900|255|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
Label|LabelTree|0|2||270|3114|1340|188||开采主矿种|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||1670|3065|1877|285|开采主矿种||宋体,9|style=0|Y,ZN宋体,ZS12
CheckBox|CheckTogether|-1|2||3607|3065|900|285|共伴生类型|共伴生|宋体,9||ZN宋体,ZS10.5
TextBox|KCDM|-1|2||4537|3065|500|285|||宋体,9|hidden|
Label|Label1|23|2||4567|3114|920|188||其它主矿种|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||5517|3065|1368|285|其它主矿种||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|24|2||270|3458|1340|188||规划规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||1670|3410|850|285|规划规模||宋体,9|border=0|ZN宋体,ZS12
Label|LabelGM|0|2||2550|3425|997|255||万吨/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|25|2||3607|3458|1340|188||储量规模|宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelCL|-1|2||5007|3425|1970|255|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
Label|Label1|26|2||270|3804|1340|188||总储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||1670|3755|850|285|总储量||宋体,9|border=0|ZN宋体,ZS12
Label|LabelGM|1|2||2550|3755|1900|285||万吨|宋体,9|transparent|ZN宋体,ZS10.5
CommandButton|CommandCL|-1|2||4480|3770|255|255||▼|宋体,9||
TextBox|ChTXT|21|2||4765|3755|1100|285|储量单位||宋体,9|hidden disabled|
TextBox|ChTXT|22|2||4765|3755|1100|285|矿石类型||宋体,9|hidden disabled|
Label|Label1|27|2||270|4531|1340|188||地质储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|0|2||1670|4100|5215|1050|地质储量||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|28|2||270|5641|1340|188||可采储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|1|2||1670|5210|5215|1050|可采储量||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|29|2||270|6751|1340|188||探矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|2|2||1670|6320|5215|1050|探矿权取得方式||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Shape|Shape2|1|2||240|620|6675|6780||||linewidth=2|
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
Line|Line1|16|2||240|5180|6915|5180|||||
Line|Line1|17|2||240|6290|6915|6290|||||
Line|Line1|18|2||1640|620|1640|7400|||||
Line|Line1|19|2||3577|620|3577|2345|||||
Line|Line1|20|2||3577|3035|3577|3725|||||
Line|Line1|21|2||4537|3035|4537|3380|||||
Line|Line1|22|2||4977|620|4977|2345|||||
Line|Line1|23|2||4977|3380|4977|3725|||||
TreeView|TreeView2|-1|2||1670|3350|2500|2500|||宋体,9|hidden|
ListBox|List1|-1|2||1670|3350|2500|2000|||宋体,9|hidden|
ListBox|ListCL|-1|2||1485|4025|3300|1320|||宋体,9|hidden|
TreeView|TreeView1|-1|2||270|3025|2330|3400|||宋体,9|hidden|
Label|Label1|30|3||240|150|6675|420||划定矿区范围表（续）|黑体,14,b|align=2 transparent|ZN黑体,ZS18
Label|Label1|31|3||270|716|1340|188||开采深度|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|0|3||1670|668|1300|285|采深上限||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|32|3||3000|716|240|188||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|1|3||3270|668|1300|285|采深下限||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|33|3||4600|716|700|188||米标高|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|34|3||5330|716|1555|188|||宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|35|3||270|1096|1340|188||矿区面积|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|2|3||1670|1048|1300|285|矿区面积||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|36|3||3000|1096|760|188||平方公里|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|37|3||3790|1096|3095|188|||宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|38|3||270|1906|1340|188||规划生产能力|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|3|3||1670|1410|5215|1180|规划生产能力||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|39|3||270|3144|1340|188||备注|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|4|3||1670|2650|5215|1175|备注||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|40|3||270|4600|690|1316||矿\n区\n范\n围\n示\n意\n图|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|41|3||270|6846|1740|188||申请人（签章）|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|42|3||3970|6846|840|188||日期|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|43|3||4870|6846|2015|188||年    月    日|宋体,9|align=1 transparent|ZN宋体,ZS10.5
Shape|Shape2|2|3||240|620|6675|6600||||linewidth=2|
Line|Line1|24|3||240|1000|6915|1000|||||
Line|Line1|25|3||240|1380|6915|1380|||||
Line|Line1|26|3||240|2620|6915|2620|||||
Line|Line1|27|3||240|3855|6915|3855|||||
Line|Line1|28|3||240|6660|6915|6660|||||
Line|Line1|29|3||990|3855|990|6660|||||
Line|Line1|30|3||1640|620|1640|3855|||||
Line|Line1|31|3||2040|6660|2040|7220|||||
Line|Line1|32|3||3940|6660|3940|7220|||||
Line|Line1|33|3||4840|6660|4840|7220|||||
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
