# ChangTab: 采矿权变更申请表 (kind 2), laid out as the paper form; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|ChangTab|2|采矿权变更申请表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
@page|3|7155|7545|(630,3855)-(6900,6720)
@page|4|7155|7545|
Label|Label1|0|0||4330|371|940|188||编    号|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|1|0||4330|701|940|188||收件日期|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Shape|Shape2|0|0||4300|300|2615|660|||||
Line|Line1|0|0||4300|630|6915|630|||||
Line|Line1|1|0||5300|300|5300|960|||||
Label|Label1|2|0||240|1500|6675|840||采矿权变更申请表|黑体,26,b|align=2 transparent|ZN黑体,ZS42
Label|Label1|3|0||600|3720|2160|340||申请人（盖章）：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|3700|3600|360|申请人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|2|0||2820|4060|6420|4060|||||
Label|Label1|4|0||600|4320|2160|340||矿山名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|4300|3600|360|矿山名称||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|3|0||2820|4660|6420|4660|||||
Label|Label1|5|0||600|4920|2160|340||原许可证号：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|4900|3600|360|原许可证号||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|4|0||2820|5260|6420|5260|||||
Label|Label1|6|0||600|5520|2160|340||填表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|5500|3600|360|填表人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|5|0||2820|5860|6420|5860|||||
Label|Label1|7|0||600|6120|2160|340||填表时间：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|4|0||2820|6100|3600|360|填表时间||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|6|0||2820|6460|6420|6460|||||
Label|Label1|8|0||240|6845|6675|360||矿业权登记管理机关 制|宋体,12|align=2 transparent hidden|ZN宋体,ZS16,[V]
Label|lblHead|0|1||240|420|6675|560||填  报  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|Label1|9|1||360|1120|6555|375||本表用于已取得采矿许可证的采矿权人申请变更采矿许可证载明的事项。请用计算机逐项如实填写，填写完毕后打印，申请人在封面盖章后报送原登记管理机关。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|1|1||300|1645|1760|259||1．申请人|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|1|1||2120|1645|4795|375||填写采矿权人全称，应与原采矿许可证及营业执照一致；变更矿山企业名称的，填写变更后的名称。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|2|1||300|2115|1760|375||2．原许可证号|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|2|1||2120|2115|4795|375||填写原采矿许可证的证号；原有效期按原采矿许可证载明的起止日期填写。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|3|1||300|2562|1760|242||3．变更类型|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|3|1||2120|2585|4795|195||在申请变更的事项前打“√”，可同时选择多项。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|4|1||300|2922|1760|259||4．变更内容|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|4|1||2120|2922|4795|375||逐项写明变更前后的情况，如矿山企业名称、开采主矿种、开采方式、矿区范围的变化。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|5|1||300|3392|1760|375||5．申请原因|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|5|1||2120|3392|4795|375||简要说明申请变更的理由，并列明有关批准文件的名称和文号。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|6|1||300|3862|1760|259||6．开采主矿种|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|6|1||2120|3862|4795|375||点击下拉按钮从矿种目录中选取；有共生、伴生矿产的，勾选“共伴生”，并在“其它主矿种”栏填写。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|7|1||300|4332|1760|259||7．所在行政区|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|7|1||2120|4332|4795|375||填写矿区所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|8|1||300|4802|1760|259||8．矿区范围|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|8|1||2120|4802|4795|375||在“矿区范围”页录入变更后的矿区范围拐点坐标及开采标高，点击“计 算”求得开采深度和矿区面积。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|9|1||300|5272|1760|259||9．采矿权使用费|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|9|1||2120|5272|4795|375||按变更后的矿区面积每平方公里每年一千元计算，不足半平方公里的按半平方公里计。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|10|1||300|5742|1760|259||10．采矿权价款|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|10|1||2120|5742|4795|375||涉及国家出资勘查形成的采矿权的，填写应缴纳的采矿权价款及其处置方式；不涉及的填0。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|11|1||300|6188|1760|242||11．填表时间|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|11|1||2120|6212|4795|195||按“年-月-日”的格式填写，如2004-05-18。|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|10|2||240|150|6675|420||采矿权变更申请表|黑体,14,b|align=2 transparent|ZN黑体,ZS18
Label|Label1|11|2||270|698|1340|188||法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||1670|650|1877|285|法定代表人||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|12|2||3607|698|1340|188||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||5007|650|1878|285|电话||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|13|2||270|1044|1340|188||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||1670|995|1877|285|地址||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|14|2||3607|1044|1340|188||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||5007|995|1878|285|邮编||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|15|2||270|1388|1340|188||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||1670|1340|1877|285|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|16|2||3607|1388|1340|188||开采方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||5007|1340|1878|285|开采方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|17|2||270|1734|1340|188||项目审批机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1670|1685|1877|285|项目审批机关||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|18|2||3607|1734|1340|188||批准文号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||5007|1685|1878|285|批准文号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|19|2||270|2078|1340|188||勘查许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|17|2||1670|2030|1677|285|勘查许可证号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|20|2||3407|2078|940|188||原有效期|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||4407|2030|1109|285|原有效期起||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|21|2||5546|2078|200|188||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|16|2||5776|2030|1109|285|原有效期止||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|22|2||270|2424|1340|188||采矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|3|2||1670|2375|1877|285|采矿权取得方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|23|2||3607|2424|1340|188||价款处置方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|4|2||5007|2375|1878|285|价款处置方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|24|2||270|2768|1500|188||应缴纳采矿权价款|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|18|2||1830|2720|1500|285|应缴纳采矿权价款||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|25|2||3360|2768|400|188||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|26|2||3790|2768|3095|188|||宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelTree|1|2||270|3114|1340|188||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||1670|3065|900|285|所在行政区||宋体,9|border=0|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2600|3065|400|285||>>|宋体,9||
Label|LabelXZQName|-1|2||3030|3080|3900|255|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
Label|LabelTree|0|2||270|3458|1340|188||开采主矿种|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||1670|3410|1877|285|开采主矿种||宋体,9|style=0|Y,ZN宋体,ZS12
CheckBox|CheckTogether|-1|2||3607|3410|900|285||共伴生|宋体,9||ZN宋体,ZS10.5
Label|Label1|27|2||4567|3458|920|188||其它主矿种|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||5517|3410|1368|285|其它主矿种||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|28|2||270|3804|1340|188||设计规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||1670|3755|850|285|设计规模||宋体,9|border=0|ZN宋体,ZS12
Label|LabelGM|0|2||2550|3770|997|255||万吨/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|29|2||3607|3804|1340|188||储量规模|宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelCL|-1|2||5007|3770|1970|255|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
Label|Label1|30|2||270|4148|1340|188||总储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||1670|4100|850|285|总储量||宋体,9|border=0|ZN宋体,ZS12
Label|LabelGM|1|2||2550|4100|1900|285||万吨|宋体,9|transparent|ZN宋体,ZS10.5
CommandButton|CommandCL|-1|2||4480|4115|255|255||▼|宋体,9||
TextBox|ChTXT|23|2||4765|4100|1100|285|储量单位||宋体,9|hidden disabled|
TextBox|ChTXT|24|2||4765|4100|1100|285|矿石类型||宋体,9|hidden disabled|
Label|Label1|31|2||270|4631|1340|188||变更类型|宋体,9|transparent|ZN宋体,ZS10.5
CheckBox|CbCHK|0|2||1700|4435|1750|285|变更类型|矿山企业名称变更|宋体,9||ZN宋体,ZS10.5
CheckBox|CbCHK|1|2||3540|4435|1250|285|变更类型|开采主矿种|宋体,9||ZN宋体,ZS10.5
CheckBox|CbCHK|2|2||4880|4435|1450|285|变更类型|开采方式变更|宋体,9||ZN宋体,ZS10.5
CheckBox|CbCHK|3|2||1700|4730|1450|285|变更类型|矿区范围变更|宋体,9||ZN宋体,ZS10.5
CheckBox|CbCHK|4|2||3240|4730|1300|285|变更类型|采矿权转让|宋体,9||ZN宋体,ZS10.5
Label|Label1|32|2||270|5532|1340|188||变更内容|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|3|2||1670|5065|5215|1122|变更内容||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|33|2||270|6714|1340|188||申请原因|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|0|2||1670|6247|5215|1122|申请原因||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Shape|Shape2|1|2||240|620|6675|6779||||linewidth=2|
Line|Line1|7|2||240|965|6915|965|||||
Line|Line1|8|2||240|1310|6915|1310|||||
Line|Line1|9|2||240|1655|6915|1655|||||
Line|Line1|10|2||240|2000|6915|2000|||||
Line|Line1|11|2||240|2345|6915|2345|||||
Line|Line1|12|2||240|2690|6915|2690|||||
Line|Line1|13|2||240|3035|6915|3035|||||
Line|Line1|14|2||240|3380|6915|3380|||||
Line|Line1|15|2||240|3725|6915|3725|||||
Line|Line1|16|2||240|4070|6915|4070|||||
Line|Line1|17|2||240|4415|6915|4415|||||
Line|Line1|18|2||240|5035|6915|5035|||||
Line|Line1|19|2||240|6217|6915|6217|||||
Line|Line1|20|2||1640|620|1640|2690|||||
Line|Line1|21|2||1640|3035|1640|7399|||||
Line|Line1|22|2||1800|2690|1800|3035|||||
Line|Line1|23|2||3377|2000|3377|2345|||||
Line|Line1|24|2||3577|620|3577|2000|||||
Line|Line1|25|2||3577|2345|3577|2690|||||
Line|Line1|26|2||3577|3380|3577|4070|||||
Line|Line1|27|2||4377|2000|4377|2345|||||
Line|Line1|28|2||4537|3380|4537|3725|||||
Line|Line1|29|2||4977|620|4977|2000|||||
Line|Line1|30|2||4977|2345|4977|2690|||||
Line|Line1|31|2||4977|3725|4977|4070|||||
TreeView|TreeView2|-1|2||1670|3695|2500|2500|||宋体,9|hidden|
ListBox|List1|-1|2||1670|3695|2500|2000|||宋体,9|hidden|
ListBox|ListCL|-1|2||1485|4370|3300|1320|||宋体,9|hidden|
TreeView|TreeView1|-1|2||270|3370|2330|3400|||宋体,9|hidden|
Label|Label1|34|3||240|150|6675|420||采矿权变更申请表（续）|黑体,14,b|align=2 transparent|ZN黑体,ZS18
Label|Label1|35|3||270|716|1340|188||开采深度|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|0|3||1670|668|1300|285|采深上限||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|36|3||3000|716|240|188||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|1|3||3270|668|1300|285|采深下限||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|37|3||4600|716|700|188||米标高|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|38|3||5330|716|1555|188|||宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|39|3||270|1096|1340|188||矿区面积|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|2|3||1670|1048|1087|285|矿区面积||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|40|3||2787|1096|760|188||平方公里|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|41|3||3607|1096|1340|188||采矿权使用费|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|3|3||5007|1048|1108|285|采矿权使用费||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|42|3||6145|1096|740|188||千元/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|43|3||270|1956|1340|188||设计利用储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|1|3||1670|1410|5215|1280|设计利用储量||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|44|3||270|3194|1340|188||备注|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|2|3||1670|2750|5215|1075|备注||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|45|3||270|4630|330|1316||矿\n区\n范\n围\n示\n意\n图|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|46|3||270|6906|1740|188||申请人（签章）|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|47|3||3970|6906|840|188||日期|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|48|3||4870|6906|2015|188||年    月    日|宋体,9|align=1 transparent|ZN宋体,ZS10.5
Shape|Shape2|2|3||240|620|6675|6660||||linewidth=2|
Line|Line1|32|3||240|1000|6915|1000|||||
Line|Line1|33|3||240|1380|6915|1380|||||
Line|Line1|34|3||240|2720|6915|2720|||||
Line|Line1|35|3||240|3855|6915|3855|||||
Line|Line1|36|3||240|6720|6915|6720|||||
Line|Line1|37|3||630|3855|630|6720|||||
Line|Line1|38|3||1640|620|1640|3855|||||
Line|Line1|39|3||2040|6720|2040|7280|||||
Line|Line1|40|3||3577|1000|3577|1380|||||
Line|Line1|41|3||3940|6720|3940|7280|||||
Line|Line1|42|3||4840|6720|4840|7280|||||
Line|Line1|43|3||4977|1000|4977|1380|||||
GridGraph|Grid_Graph1|-1|4||60|60|7035|5880|||宋体,9||
Frame|ZFRAME2|-1|4||60|6000|5400|1440|||宋体,9||
Label|ZLAB1|-1|4|ZFRAME2|120|180|800|255||开采深度|宋体,9|transparent|
TextBox|ChTXT|19|4|ZFRAME2|930|150|1000|300|采深上限||宋体,9|border=1|
Label|ZLAB2|-1|4|ZFRAME2|1960|180|300|255||至|宋体,9|align=2 transparent|
TextBox|ChTXT|20|4|ZFRAME2|2290|150|1000|300|采深下限||宋体,9|border=1|
Label|ZLAB3|-1|4|ZFRAME2|3320|180|700|255||米标高|宋体,9|transparent|
Label|ZLAB8|-1|4|ZFRAME2|120|585|2100|255||矿区面积：（平方公里）|宋体,9|transparent|
TextBox|ChTXT|22|4|ZFRAME2|2250|555|1200|300|矿区面积||宋体,9|border=1|
Label|ZLAB4|-1|4|ZFRAME2|120|990|1200|255||采矿权使用费|宋体,9|transparent|
TextBox|ChTXT|21|4|ZFRAME2|1350|960|1200|300|采矿权使用费||宋体,9|border=1|
Label|ZLAB6|-1|4|ZFRAME2|2580|990|800|255||千元/年|宋体,9|transparent|
CommandButton|CALCOM|-1|4|ZFRAME2|4140|150|1080|400||计 算|宋体,9||
CommandButton|GRPHCOM|-1|4||5580|6100|1460|420||图 形|宋体,9||
ComboBox|AREACOM|-1|4||5580|6640|1460|300|||宋体,9|style=2|
