# DrawArea: 划定矿区范围表 (kind 5). Generated layout; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|DrawArea|5|划定矿区范围表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
@page|3|7155|7545|(990,3855)-(6900,6660)
@page|4|7155|7545|
Label|Label1|0|0||240|1500|6675|720||划定矿区范围表|黑体,26,b|align=2 transparent|ZN黑体,ZS36
Label|Label1|1|0||900|4000|1860|360||申请人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|4000|3450|360|申请人||宋体,12||X,ZN宋体,ZS12
Label|Label1|2|0||900|4540|1860|360||矿区名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|4540|3450|360|矿区名称||宋体,12||X,ZN宋体,ZS12
Label|Label1|3|0||900|5080|1860|360||填表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|5080|3450|360|填表人||宋体,12||X,ZN宋体,ZS12
Label|Label1|4|0||900|5620|1860|360||填表时间：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|5620|3450|360|填表时间||宋体,12||X,ZN宋体,ZS12
Label|lblHead|0|1||240|450|6675|600||填  表  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|lblHead|1|1||360|1350|1500|300||申请人|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|1|1||1920|1350|4995|570||填写申请单位全称（与营业执照一致）或申请人姓名。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|2|1||360|2070|1500|300||矿区名称|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|2|1||1920|2070|4995|300||填写拟设矿区的名称。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|3|1||360|2520|1500|300||所在行政区|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|3|1||1920|2520|4995|570||填写矿山所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|4|1||360|3240|1500|300||开采主矿种|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|4|1||1920|3240|4995|570||点击下拉按钮从矿种列表中选取，也可输入矿种名称中的文字进行查找。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|5|1||360|3960|1500|300||矿区范围|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|5|1||1920|3960|4995|570||在“矿区范围”页逐点填写矿区范围拐点坐标及开采标高，点击“计 算”求得开采深度和矿区面积。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|6|1||360|4680|1500|300||填表时间|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|6|1||1920|4680|4995|570||按“年-月-日”的格式填写，如2004-05-18。|宋体,10.5|transparent|ZN宋体,ZS12
Label|Label1|5|2||240|150|6675|420||划定矿区范围表|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|0|2||240|630|6915|630|||||
Label|Label1|6|2||240|720|1140|300||法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|4|2||1425|720|2077|300|法定代表人||宋体,9||ZN宋体,ZS12
Label|Label1|7|2||3652|720|1320|300||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||5017|720|1897|300|电话||宋体,9||ZN宋体,ZS12
Label|Label1|8|2||240|1065|1140|300||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||1425|1065|2077|300|地址||宋体,9||ZN宋体,ZS12
Label|Label1|9|2||3652|1065|1320|300||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||5017|1065|1897|300|邮编||宋体,9||ZN宋体,ZS12
Label|Label1|10|2||240|1410|1140|300||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||1425|1410|2077|300|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|11|2||3652|1410|1320|300||采矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||5017|1410|1897|300|采矿权取得方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|12|2||240|1755|1140|300||勘查许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||1425|1755|2077|300|勘查许可证号||宋体,9||ZN宋体,ZS12
Label|Label1|13|2||3652|1755|1320|300||保留期限|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||5017|1755|1897|300|保留期限||宋体,9||ZN宋体,ZS12
Label|Label1|14|2||240|2100|1140|300||有效期起|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||1425|2100|2077|300|有效期起||宋体,9||ZN宋体,ZS12
Label|Label1|15|2||3652|2100|1320|300||有效期止|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||5017|2100|1897|300|有效期止||宋体,9||ZN宋体,ZS12
Label|Label1|16|2||240|2445|1140|300||审批机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|16|2||1425|2445|2077|300|审批机关||宋体,9||ZN宋体,ZS12
Label|Label1|17|2||3652|2445|1320|300||批准文号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|17|2||5017|2445|1897|300|批准文号||宋体,9||ZN宋体,ZS12
Label|LabelTree|0|2||240|2790|960|300||开采主矿种|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||1245|2790|2257|300|开采主矿种||宋体,9|style=0|Y,ZN宋体,ZS12
CheckBox|CheckTogether|-1|2||3652|2790|900|300|共伴生类型|共伴生|宋体,9||ZN宋体,ZS10.5
Label|Label1|18|2||4582|2790|960|300||其它主矿种|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||5572|2790|1342|300|其它主矿种||宋体,9||ZN宋体,ZS12
TreeView|TreeView2|-1|2||1245|3090|2500|2500|||宋体,9|hidden|
ListBox|List1|-1|2||1245|3090|2500|2000|||宋体,9|hidden|
TextBox|KCDM|-1|2||6400|2790|500|300|||宋体,9|hidden|
Label|Label1|19|2||240|3135|780|300||规划规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||1065|3135|1300|300|规划规模||宋体,9||ZN宋体,ZS12
Label|LabelGM|0|2||2395|3135|1500|300||万吨/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|20|2||4305|3135|780|300||储量规模|宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelCL|-1|2||5130|3135|1785|300|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
Label|Label1|21|2||240|3480|780|300||总储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||1065|3480|1300|300|总储量||宋体,9||ZN宋体,ZS12
Label|LabelGM|1|2||2395|3480|1450|300||万吨|宋体,9|transparent|ZN宋体,ZS10.5
CommandButton|CommandCL|-1|2||3875|3480|255|255||▼|宋体,9||
TextBox|ChTXT|21|2||4305|3480|1290|300|储量单位||宋体,9|hidden disabled|
TextBox|ChTXT|22|2||5625|3480|1290|300|矿石类型||宋体,9|hidden disabled|
ListBox|ListCL|-1|2||880|3735|3300|1320|||宋体,9|hidden|
Label|LabelTree|1|2||240|3825|960|300||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||1245|3825|1000|300|所在行政区||宋体,9|maxlen=6|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2275|3825|400|285||>>|宋体,9||
Label|LabelXZQName|-1|2||2705|3825|4210|300|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
TreeView|TreeView1|-1|2||240|4130|2035|3385|||宋体,9|hidden|
Label|Label1|22|2||240|4230|1500|700||地质储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|0|2||1785|4230|5130|700|地质储量||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|23|2||240|4990|1500|700||可采储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|1|2||1785|4990|5130|700|可采储量||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|24|2||240|5750|1500|700||探矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|2|2||1785|5750|5130|700|探矿权取得方式||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|25|3||240|150|6675|420||划定矿区范围表（续）|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|1|3||240|630|6915|630|||||
Label|Label1|26|3||240|720|780|300||开采深度|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|0|3||1065|720|986|300|采深上限||宋体,9||ZN宋体,ZS12
Label|Label1|27|3||2081|720|240|300||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|1|3||2351|720|986|300|采深下限||宋体,9||ZN宋体,ZS12
Label|Label1|28|3||3367|720|600|300||米标高|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|29|3||4118|720|780|300||矿区面积|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|2|3||4943|720|1161|300|矿区面积||宋体,9||ZN宋体,ZS12
Label|Label1|30|3||6134|720|780|300||平方公里|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|31|3||240|1125|1500|1100||规划生产能力|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|3|3||1785|1125|5130|1100|规划生产能力||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|32|3||240|2285|1500|1100||备注|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|4|3||1785|2285|5130|1100|备注||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Shape|Shape2|0|3||990|3855|5910|2805|||||
Label|Label1|33|3||990|3560|1500|280||矿区范围示意图|宋体,9|transparent|ZN宋体,ZS10.5
GridGraph|Grid_Graph1|-1|4||60|60|7035|5900|||宋体,9||
Frame|ZFRAME2|-1|4||60|6020|5460|1460|||宋体,9||
Label|ZLAB1|-1|4|ZFRAME2|120|170|780|300||开采深度|宋体,9|transparent|
TextBox|ChTXT|18|4|ZFRAME2|930|170|1000|300|采深上限||宋体,9||
Label|ZLAB2|-1|4|ZFRAME2|1960|170|300|300||至|宋体,9|align=2 transparent|
TextBox|ChTXT|19|4|ZFRAME2|2290|170|1000|300|采深下限||宋体,9||
Label|ZLAB3|-1|4|ZFRAME2|3320|170|700|300||米标高|宋体,9|transparent|
CommandButton|CALCOM|-1|4|ZFRAME2|4240|170|1080|400||计 算|宋体,9||
Label|ZLAB8|-1|4|ZFRAME2|120|560|2100|300||矿区面积：（平方公里）|宋体,9|transparent|
TextBox|ChTXT|20|4|ZFRAME2|2250|560|1200|300|矿区面积||宋体,9||
CommandButton|GRPHCOM|-1|4||5640|6100|1400|400||图 形|宋体,9||
ComboBox|AREACOM|-1|4||5640|6620|1400|300|||宋体,9|style=2|
