# CessionTab: 采矿权转让申请表 (kind 6), laid out as the paper form; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|CessionTab|6|采矿权转让申请表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
@page|3|7155|7545|
Label|Label1|0|0||4330|371|940|188||编    号|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|1|0||4330|701|940|188||收件日期|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Shape|Shape2|0|0||4300|300|2615|660|||||
Line|Line1|0|0||4300|630|6915|630|||||
Line|Line1|1|0||5300|300|5300|960|||||
Label|Label1|2|0||240|1500|6675|840||采矿权转让申请表|黑体,26,b|align=2 transparent|ZN黑体,ZS42
Label|Label1|3|0||600|3520|2160|340||转让人（盖章）：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|3500|3600|360|转让申请人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|2|0||2820|3860|6420|3860|||||
Label|Label1|4|0||600|4080|2160|340||受让人（盖章）：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|4060|3600|360|受让人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|3|0||2820|4420|6420|4420|||||
Label|Label1|5|0||600|4640|2160|340||矿山名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|4620|3600|360|矿山名称||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|4|0||2820|4980|6420|4980|||||
Label|Label1|6|0||600|5200|2160|340||审批通知书文号：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|p1DATA|58|0||2820|5180|3600|360|审批通知书文号||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|5|0||2820|5540|6420|5540|||||
Label|Label1|7|0||600|5760|2160|340||填表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|5740|3600|360|填表人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|6|0||2820|6100|6420|6100|||||
Label|Label1|8|0||600|6320|2160|340||填表时间：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|4|0||2820|6300|3600|360|填表时间||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|7|0||2820|6660|6420|6660|||||
Label|Label1|9|0||240|6845|6675|360||矿业权登记管理机关 制|宋体,12|align=2 transparent hidden|ZN宋体,ZS16,[V]
Label|lblHead|0|1||240|420|6675|560||填  表  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|Label1|10|1||360|1120|6555|555||采矿权转让由转让人和受让人共同填写本表：转让人填写封面和第一页，受让人填写第二页的受让人情况。请用计算机逐项如实填写，填写完毕后打印，双方在封面盖章。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|1|1||300|1825|1760|375||1．转让申请人|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|1|1||2120|1825|4795|375||填写转让采矿权的采矿权人全称，应与采矿许可证及营业执照一致。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|2|1||300|2295|1760|375||2．受让人|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|2|1||2120|2295|4795|375||填写受让采矿权的企业全称，应与营业执照一致；个人受让的填写本人姓名。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|3|1||300|2742|1760|242||3．审批通知书文号|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|3|1||2120|2765|4795|195||填写采矿权转让审批通知书的文号，尚未取得的不填。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|4|1||300|3102|1760|259||4．转让方式|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|4|1||2120|3102|4795|375||采矿权取得方式、转让方式、权属有无争议及价款缴纳方式从下拉列表中选取。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|5|1||300|3572|1760|375||5．原许可证|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|5|1||2120|3572|4795|375||按原采矿许可证填写证号、项目审批机关和有效期起止日期。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|6|1||300|4042|1760|259||6．评估及价格|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|6|1||2120|4042|4795|375||填写采矿权评估机构的名称、资格证号、评估值和双方约定的转让价格，金额以万元计。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|7|1||300|4512|1760|259||7．费用缴纳情况|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|7|1||2120|4512|4795|375||分别填写采矿权使用费、矿产资源补偿费、资源税和采矿权价款的应缴、减免和实缴金额，以万元计。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|8|1||300|4982|1760|259||8．地理位置|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|8|1||2120|4982|4795|375||填写所在行政区的六位代码，可点击“>>”按钮选取，行政区名称自动填入后可补充具体位置。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|9|1||300|5452|1760|259||9．受让人条件|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|9|1||2120|5452|4795|375||受让人如实填写准备投资规模、预期建矿时间、开采规模及资金、技术、设备条件。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|10|1||300|5922|1760|375||10．意见栏|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|10|1||2120|5922|4795|375||主管部门意见和审批机关意见由有关部门填写，申请人不填。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|11|1||300|6368|1760|242||11．填表时间|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|11|1||2120|6392|4795|195||按“年-月-日”的格式填写，如2004-05-18。|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|11|2||240|150|6675|420||采矿权转让申请表|黑体,14,b|align=2 transparent|ZN黑体,ZS18
Label|Label1|12|2||270|691|1340|188||法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||1670|650|1877|270|法定代表人||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|13|2||3607|691|1340|188||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||5007|650|1878|270|电话||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|14|2||270|1021|1340|188||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||1670|980|1877|270|地址||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|15|2||3607|1021|1340|188||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||5007|980|1878|270|邮编||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|16|2||270|1351|1340|188||传真|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||1670|1310|1877|270|传真||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|17|2||3607|1351|1340|188||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||5007|1310|1878|270|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|18|2||270|1681|1340|188||开户银行|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||1670|1640|1877|270|开户银行||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|19|2||3607|1681|1340|188||帐号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||5007|1640|1878|270|帐号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|20|2||270|2011|1340|188||采矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||1670|1970|1877|270|采矿权取得方式||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|21|2||3607|2011|1340|188||采矿权获得时间|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||5007|1970|1878|270|采矿权获得时间||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|22|2||270|2341|1340|188||采矿权转让方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||1670|2300|1577|270|采矿权转让方式||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|23|2||3307|2341|1540|188||采矿权属有无争议|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|3|2||4907|2300|1978|270|采矿权属有无争议||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|24|2||270|2671|1340|188||采矿权转让原因|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1670|2630|5215|270|采矿权转让原因||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|25|2||270|3001|1340|188||原许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||1670|2960|1877|270|原许可证号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|26|2||3607|3001|1340|188||原项目审批机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||5007|2960|1878|270|原项目审批机关||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|27|2||270|3331|1340|188||原有效期|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|16|2||1670|3290|958|270|原有效期起||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|28|2||2658|3331|200|188||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|17|2||2888|3290|958|270|原有效期止||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|29|2||3907|3331|1240|188||开始生产时间|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|22|2||5207|3290|1678|270|开始生产时间||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|30|2||270|3661|1340|188||矿区面积|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|35|2||1670|3620|1107|270|矿区面积||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|31|2||2807|3661|740|188||平方公里|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|32|2||3607|3661|1340|188||采矿权评估值|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|18|2||5007|3620|1468|270|采矿权评估值||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|33|2||6505|3661|380|188||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|34|2||270|3991|1340|188||转让价格|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|19|2||1670|3950|1467|270|转让价格||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|35|2||3167|3991|380|188||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|36|2||3607|3991|1540|188||评估机构资格证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|21|2||5207|3950|1678|270|评估机构资格证号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|37|2||270|4321|1340|188||评估机构名称|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|20|2||1670|4280|5215|270|评估机构名称||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|38|2||270|4651|1340|188||费用名称|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|39|2||1670|4651|1698|188||应缴（万元）|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|40|2||3428|4651|1698|188||减免（万元）|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|41|2||5186|4651|1699|188||实缴（万元）|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|42|2||270|4981|1340|188||采矿权使用费|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|23|2||1670|4940|1698|270|应缴使用费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|24|2||3428|4940|1698|270|减免使用费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|25|2||5186|4940|1699|270|实缴使用费||宋体,9|border=0 align=1|ZN宋体,ZS12
Label|Label1|43|2||270|5311|1340|188||矿产资源补偿费|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|26|2||1670|5270|1698|270|应缴补偿费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|27|2||3428|5270|1698|270|减免补偿费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|28|2||5186|5270|1699|270|实缴补偿费||宋体,9|border=0 align=1|ZN宋体,ZS12
Label|Label1|44|2||270|5641|1340|188||资源税|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|29|2||1670|5600|1698|270|应缴资源税||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|30|2||3428|5600|1698|270|减免资源税||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|31|2||5186|5600|1699|270|实缴资源税||宋体,9|border=0 align=1|ZN宋体,ZS12
Label|Label1|45|2||270|5971|1340|188||采矿权价款|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|32|2||1670|5930|1698|270|应缴采矿权价款||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|33|2||3428|5930|1698|270|减免采矿权价款||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|34|2||5186|5930|1699|270|实缴采矿权价款||宋体,9|border=0 align=1|ZN宋体,ZS12
Label|Label1|46|2||270|6301|1700|188||采矿权价款缴纳方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|4|2||2030|6260|2500|270|采矿权价款缴纳方式||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|47|2||4560|6301|2325|188|||宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelTree|-1|2||270|6631|1340|188||地理位置|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|37|2||1670|6590|900|270|所在行政区||宋体,9|border=0|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2600|6582|400|285||>>|宋体,9||
TextBox|ChTXT|36|2||3030|6590|3855|270|地理位置||宋体,9|border=0|ZN宋体,ZS12
Shape|Shape2|1|2||240|620|6675|6270||||linewidth=2|
Line|Line1|8|2||240|950|6915|950|||||
Line|Line1|9|2||240|1280|6915|1280|||||
Line|Line1|10|2||240|1610|6915|1610|||||
Line|Line1|11|2||240|1940|6915|1940|||||
Line|Line1|12|2||240|2270|6915|2270|||||
Line|Line1|13|2||240|2600|6915|2600|||||
Line|Line1|14|2||240|2930|6915|2930|||||
Line|Line1|15|2||240|3260|6915|3260|||||
Line|Line1|16|2||240|3590|6915|3590|||||
Line|Line1|17|2||240|3920|6915|3920|||||
Line|Line1|18|2||240|4250|6915|4250|||||
Line|Line1|19|2||240|4580|6915|4580|||||
Line|Line1|20|2||240|4910|6915|4910|||||
Line|Line1|21|2||240|5240|6915|5240|||||
Line|Line1|22|2||240|5570|6915|5570|||||
Line|Line1|23|2||240|5900|6915|5900|||||
Line|Line1|24|2||240|6230|6915|6230|||||
Line|Line1|25|2||240|6560|6915|6560|||||
Line|Line1|26|2||1640|620|1640|6230|||||
Line|Line1|27|2||1640|6560|1640|6890|||||
Line|Line1|28|2||2000|6230|2000|6560|||||
Line|Line1|29|2||3277|2270|3277|2600|||||
Line|Line1|30|2||3398|4580|3398|6230|||||
Line|Line1|31|2||3577|620|3577|2270|||||
Line|Line1|32|2||3577|2930|3577|3260|||||
Line|Line1|33|2||3577|3590|3577|4250|||||
Line|Line1|34|2||3877|3260|3877|3590|||||
Line|Line1|35|2||4877|2270|4877|2600|||||
Line|Line1|36|2||4977|620|4977|2270|||||
Line|Line1|37|2||4977|2930|4977|3260|||||
Line|Line1|38|2||4977|3590|4977|3920|||||
Line|Line1|39|2||5156|4580|5156|6230|||||
Line|Line1|40|2||5177|3260|5177|3590|||||
Line|Line1|41|2||5177|3920|5177|4250|||||
TreeView|TreeView1|-1|2||270|3182|2330|3400|||宋体,9|hidden|
Label|Label1|48|3||240|150|6675|420||采矿权转让申请表（续）|黑体,14,b|align=2 transparent|ZN黑体,ZS18
Label|Label1|49|3||270|646|6615|292||受  让  人  情  况|黑体,10.5,b|align=2 transparent|ZN黑体,ZS12
Label|Label1|50|3||270|1044|1340|188||法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|38|3||1670|995|1877|285|受让人法定代表人||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|51|3||3607|1044|1340|188||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|41|3||5007|995|1878|285|受让人电话||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|52|3||270|1388|1340|188||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|39|3||1670|1340|1877|285|受让人地址||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|53|3||3607|1388|1340|188||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|40|3||5007|1340|1878|285|受让人邮编||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|54|3||270|1734|1340|188||传真|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|42|3||1670|1685|1877|285|受让人传真||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|55|3||3607|1734|1340|188||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|5|3||5007|1685|1878|285|受让人经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|56|3||270|2078|1340|188||开户银行|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|44|3||1670|2030|1877|285|受让人开户银行||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|57|3||3607|2078|1340|188||帐号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|43|3||5007|2030|1878|285|受让人帐号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|58|3||270|2424|1340|188||准备投资规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|45|3||1670|2375|1467|285|准备投资规模||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|59|3||3167|2424|380|188||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|60|3||3607|2424|1340|188||预期建矿时间|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|46|3||5007|2375|1878|285|预期建矿时间||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|61|3||270|2768|1340|188||预期开采规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|47|3||1670|2720|5215|285|预期开采规模||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|62|3||270|3241|1340|188||资金条件|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|48|3||1670|3065|5215|540|资金条件||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|63|3||270|3841|1340|188||技术条件|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|49|3||1670|3665|5215|540|技术条件||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|64|3||270|4441|1340|188||设备条件|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|50|3||1670|4265|5215|540|设备条件||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|65|3||270|5217|1340|188||主管部门意见|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|51|3||1670|4865|5215|892|主管部门意见||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|66|3||1670|5858|2555|188|||宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|67|3||4255|5858|800|188||签字时间|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|52|3||5085|5817|1800|270|主管签字时间||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|68|3||270|6499|1340|188||审批机关意见|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|53|3||1670|6147|5215|892|审批机关意见||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|69|3||1670|7140|2555|188|||宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|70|3||4255|7140|800|188||审批时间|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|54|3||5085|7099|1800|270|审批时间||宋体,9|border=0|ZN宋体,ZS12
Shape|Shape2|2|3||240|620|6675|6779||||linewidth=2|
Line|Line1|42|3||240|965|6915|965|||||
Line|Line1|43|3||240|1310|6915|1310|||||
Line|Line1|44|3||240|1655|6915|1655|||||
Line|Line1|45|3||240|2000|6915|2000|||||
Line|Line1|46|3||240|2345|6915|2345|||||
Line|Line1|47|3||240|2690|6915|2690|||||
Line|Line1|48|3||240|3035|6915|3035|||||
Line|Line1|49|3||240|3635|6915|3635|||||
Line|Line1|50|3||240|4235|6915|4235|||||
Line|Line1|51|3||240|4835|6915|4835|||||
Line|Line1|52|3||240|6117|6915|6117|||||
Line|Line1|53|3||1640|965|1640|7399|||||
Line|Line1|54|3||3577|965|3577|2690|||||
Line|Line1|55|3||4977|965|4977|2690|||||
