# ChangTab: 采矿权变更申请表 (kind 2). Generated layout; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|ChangTab|2|采矿权变更申请表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
@page|3|7155|7545|(630,3855)-(6900,6720)
@page|4|7155|7545|
Label|Label1|0|0||240|1500|6675|720||采矿权变更申请表|黑体,26,b|align=2 transparent|ZN黑体,ZS36
Label|Label1|1|0||900|4000|1860|360||申请人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|4000|3450|360|申请人||宋体,12||X,ZN宋体,ZS12
Label|Label1|2|0||900|4540|1860|360||矿山名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|4540|3450|360|矿山名称||宋体,12||X,ZN宋体,ZS12
Label|Label1|3|0||900|5080|1860|360||原许可证号：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|5080|3450|360|原许可证号||宋体,12||X,ZN宋体,ZS12
Label|Label1|4|0||900|5620|1860|360||填表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|5620|3450|360|填表人||宋体,12||X,ZN宋体,ZS12
Label|Label1|5|0||900|6160|1860|360||填表时间：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|4|0||2820|6160|3450|360|填表时间||宋体,12||X,ZN宋体,ZS12
Label|lblHead|0|1||240|450|6675|600||填  报  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|lblHead|1|1||360|1350|1500|300||申请人|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|1|1||1920|1350|4995|570||填写申请单位全称（与营业执照一致）或申请人姓名。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|2|1||360|2070|1500|300||矿山名称|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|2|1||1920|2070|4995|300||填写矿山的全称，与有关批准文件一致。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|3|1||360|2520|1500|300||变更类型|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|3|1||1920|2520|4995|300||在申请变更的类型前打“√”，可同时选择多项。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|4|1||360|2970|1500|300||所在行政区|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|4|1||1920|2970|4995|570||填写矿山所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|5|1||360|3690|1500|300||开采主矿种|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|5|1||1920|3690|4995|570||点击下拉按钮从矿种列表中选取，也可输入矿种名称中的文字进行查找。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|6|1||360|4410|1500|300||矿区范围|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|6|1||1920|4410|4995|570||在“矿区范围”页逐点填写矿区范围拐点坐标及开采标高，点击“计 算”求得开采深度和矿区面积。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|7|1||360|5130|1500|300||填表时间|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|7|1||1920|5130|4995|570||按“年-月-日”的格式填写，如2004-05-18。|宋体,10.5|transparent|ZN宋体,ZS12
Label|Label1|6|2||240|150|6675|420||采矿权变更申请表|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|0|2||240|630|6915|630|||||
Label|Label1|7|2||240|720|1500|300||法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||1785|720|1717|300|法定代表人||宋体,9||ZN宋体,ZS12
Label|Label1|8|2||3652|720|1320|300||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||5017|720|1897|300|电话||宋体,9||ZN宋体,ZS12
Label|Label1|9|2||240|1065|1500|300||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||1785|1065|1717|300|地址||宋体,9||ZN宋体,ZS12
Label|Label1|10|2||3652|1065|1320|300||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||5017|1065|1897|300|邮编||宋体,9||ZN宋体,ZS12
Label|Label1|11|2||240|1410|1500|300||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||1785|1410|1717|300|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|12|2||3652|1410|1320|300||开采方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||5017|1410|1897|300|开采方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|13|2||240|1755|1500|300||项目审批机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1785|1755|1717|300|项目审批机关||宋体,9||ZN宋体,ZS12
Label|Label1|14|2||3652|1755|1320|300||批准文号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||5017|1755|1897|300|批准文号||宋体,9||ZN宋体,ZS12
Label|Label1|15|2||240|2100|1500|300||原有效期起|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||1785|2100|1717|300|原有效期起||宋体,9||ZN宋体,ZS12
Label|Label1|16|2||3652|2100|1320|300||原有效期止|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|16|2||5017|2100|1897|300|原有效期止||宋体,9||ZN宋体,ZS12
Label|Label1|17|2||240|2445|1500|300||勘查许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|17|2||1785|2445|1717|300|勘查许可证号||宋体,9||ZN宋体,ZS12
Label|Label1|18|2||3652|2445|1320|300||采矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|3|2||5017|2445|1897|300|采矿权取得方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|19|2||240|2790|1500|300||应缴纳采矿权价款|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|18|2||1785|2790|1267|300|应缴纳采矿权价款||宋体,9||ZN宋体,ZS12
Label|Label1|20|2||3082|2790|420|300||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|21|2||3652|2790|1320|300||价款处置方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|4|2||5017|2790|1897|300|价款处置方式||宋体,9|style=0|ZN宋体,ZS12
Label|LabelTree|0|2||240|3135|960|300||开采主矿种|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||1245|3135|2257|300|开采主矿种||宋体,9|style=0|Y,ZN宋体,ZS12
CheckBox|CheckTogether|-1|2||3652|3135|900|300||共伴生|宋体,9||ZN宋体,ZS10.5
Label|Label1|22|2||4582|3135|960|300||其它主矿种|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||5572|3135|1342|300|其它主矿种||宋体,9||ZN宋体,ZS12
TreeView|TreeView2|-1|2||1245|3435|2500|2500|||宋体,9|hidden|
ListBox|List1|-1|2||1245|3435|2500|2000|||宋体,9|hidden|
Label|Label1|23|2||240|3480|780|300||设计规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||1065|3480|1300|300|设计规模||宋体,9||ZN宋体,ZS12
Label|LabelGM|0|2||2395|3480|1500|300||万吨/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|24|2||4305|3480|780|300||储量规模|宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelCL|-1|2||5130|3480|1785|300|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
Label|Label1|25|2||240|3825|780|300||总储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||1065|3825|1300|300|总储量||宋体,9||ZN宋体,ZS12
Label|LabelGM|1|2||2395|3825|1450|300||万吨|宋体,9|transparent|ZN宋体,ZS10.5
CommandButton|CommandCL|-1|2||3875|3825|255|255||▼|宋体,9||
TextBox|ChTXT|23|2||4305|3825|1290|300|储量单位||宋体,9|hidden disabled|
TextBox|ChTXT|24|2||5625|3825|1290|300|矿石类型||宋体,9|hidden disabled|
ListBox|ListCL|-1|2||880|4080|3300|1320|||宋体,9|hidden|
Label|LabelTree|1|2||240|4170|960|300||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||1245|4170|1000|300|所在行政区||宋体,9|maxlen=6|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2275|4170|400|285||>>|宋体,9||
Label|LabelXZQName|-1|2||2705|4170|4210|300|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
TreeView|TreeView1|-1|2||240|4475|2035|3040|||宋体,9|hidden|
Label|Label1|26|2||240|4515|800|300||变更类型|宋体,9|transparent|ZN宋体,ZS10.5
CheckBox|CbCHK|0|2||1100|4515|1800|300|变更类型|矿山企业名称变更|宋体,9||ZN宋体,ZS10.5
CheckBox|CbCHK|1|2||3050|4515|1260|300|变更类型|开采主矿种|宋体,9||ZN宋体,ZS10.5
CheckBox|CbCHK|2|2||4460|4515|1440|300|变更类型|开采方式变更|宋体,9||ZN宋体,ZS10.5
CheckBox|CbCHK|3|2||1100|4860|1440|300|变更类型|矿区范围变更|宋体,9||ZN宋体,ZS10.5
CheckBox|CbCHK|4|2||2690|4860|1260|300|变更类型|采矿权转让|宋体,9||ZN宋体,ZS10.5
Label|Label1|27|2||240|5205|1500|700||变更内容|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|3|2||1785|5205|5130|700|变更内容||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|28|2||240|5965|1500|700||申请原因|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|0|2||1785|5965|5130|700|申请原因||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|29|3||240|150|6675|420||采矿权变更申请表（续）|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|1|3||240|630|6915|630|||||
Label|Label1|30|3||240|720|780|300||开采深度|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|0|3||1065|720|986|300|采深上限||宋体,9||ZN宋体,ZS12
Label|Label1|31|3||2081|720|240|300||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|1|3||2351|720|986|300|采深下限||宋体,9||ZN宋体,ZS12
Label|Label1|32|3||3367|720|600|300||米标高|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|33|3||4118|720|780|300||矿区面积|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|2|3||4943|720|1161|300|矿区面积||宋体,9||ZN宋体,ZS12
Label|Label1|34|3||6134|720|780|300||平方公里|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|35|3||240|1065|1140|300||采矿权使用费|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|3|3||1425|1065|1267|300|采矿权使用费||宋体,9||ZN宋体,ZS12
Label|Label1|36|3||2722|1065|780|300||千元/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|37|3||240|1470|1500|950||设计利用储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|1|3||1785|1470|5130|950|设计利用储量||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|38|3||240|2480|1500|950||备注|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|2|3||1785|2480|5130|950|备注||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Shape|Shape2|0|3||630|3855|6270|2865|||||
Label|Label1|39|3||630|3560|1500|280||矿区范围示意图|宋体,9|transparent|ZN宋体,ZS10.5
GridGraph|Grid_Graph1|-1|4||60|60|7035|5900|||宋体,9||
Frame|ZFRAME2|-1|4||60|6020|5460|1460|||宋体,9||
Label|ZLAB1|-1|4|ZFRAME2|120|170|780|300||开采深度|宋体,9|transparent|
TextBox|ChTXT|19|4|ZFRAME2|930|170|1000|300|采深上限||宋体,9||
Label|ZLAB2|-1|4|ZFRAME2|1960|170|300|300||至|宋体,9|align=2 transparent|
TextBox|ChTXT|20|4|ZFRAME2|2290|170|1000|300|采深下限||宋体,9||
Label|ZLAB3|-1|4|ZFRAME2|3320|170|700|300||米标高|宋体,9|transparent|
CommandButton|CALCOM|-1|4|ZFRAME2|4240|170|1080|400||计 算|宋体,9||
Label|ZLAB8|-1|4|ZFRAME2|120|560|2100|300||矿区面积：（平方公里）|宋体,9|transparent|
TextBox|ChTXT|22|4|ZFRAME2|2250|560|1200|300|矿区面积||宋体,9||
Label|ZLAB4|-1|4|ZFRAME2|120|950|1200|300||采矿权使用费|宋体,9|transparent|
TextBox|ChTXT|21|4|ZFRAME2|1350|950|1200|300|采矿权使用费||宋体,9||
Label|ZLAB6|-1|4|ZFRAME2|2580|950|800|300||千元/年|宋体,9|transparent|
CommandButton|GRPHCOM|-1|4||5640|6100|1400|400||图 形|宋体,9||
ComboBox|AREACOM|-1|4||5640|6620|1400|300|||宋体,9|style=2|
