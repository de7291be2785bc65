# NewTab: 采矿权新立申请表 (kind 1). Generated layout; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|NewTab|1|采矿权新立申请表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
@page|3|7155|7545|(1500,4590)-(6900,6690)
@page|4|7155|7545|
Label|Label1|0|0||240|1500|6675|720||采矿权新立申请表|黑体,26,b|align=2 transparent|ZN黑体,ZS36
Label|Label1|1|0||900|4000|1860|360||申请人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|4000|3450|360|申请人||宋体,12||X,ZN宋体,ZS12
Label|Label1|2|0||900|4540|1860|360||矿山名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|4540|3450|360|矿山名称||宋体,12||X,ZN宋体,ZS12
Label|Label1|3|0||900|5080|1860|360||填表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|5080|3450|360|填表人||宋体,12||X,ZN宋体,ZS12
Label|Label1|4|0||900|5620|1860|360||填表时间：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|5620|3450|360|填表时间||宋体,12||X,ZN宋体,ZS12
Label|lblHead|0|1||240|450|6675|600||填  表  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|lblHead|1|1||360|1350|1500|300||申请人|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|1|1||1920|1350|4995|570||填写申请单位全称（与营业执照一致）或申请人姓名。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|2|1||360|2070|1500|300||矿山名称|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|2|1||1920|2070|4995|300||填写矿山的全称，与有关批准文件一致。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|3|1||360|2520|1500|300||所在行政区|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|3|1||1920|2520|4995|570||填写矿山所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|4|1||360|3240|1500|300||开采主矿种|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|4|1||1920|3240|4995|570||点击下拉按钮从矿种列表中选取，也可输入矿种名称中的文字进行查找。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|5|1||360|3960|1500|300||矿区范围|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|5|1||1920|3960|4995|570||在“矿区范围”页逐点填写矿区范围拐点坐标及开采标高，点击“计 算”求得开采深度和矿区面积。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|6|1||360|4680|1500|300||数值栏目|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|6|1||1920|4680|4995|570||只填写数字，计量单位见栏目后的说明；比率以百分数填写。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|7|1||360|5400|1500|300||填表时间|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|7|1||1920|5400|4995|570||按“年-月-日”的格式填写，如2004-05-18。|宋体,10.5|transparent|ZN宋体,ZS12
Label|Label1|5|2||240|150|6675|420||采矿权新立申请表|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|0|2||240|630|6915|630|||||
Label|Label1|6|2||240|720|1320|300||法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||1605|720|1897|300|法定代表人||宋体,9||ZN宋体,ZS12
Label|Label1|7|2||3652|720|960|300||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||4657|720|2257|300|电话||宋体,9||ZN宋体,ZS12
Label|Label1|8|2||240|1065|1320|300||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||1605|1065|1897|300|地址||宋体,9||ZN宋体,ZS12
Label|Label1|9|2||3652|1065|960|300||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||4657|1065|2257|300|邮编||宋体,9||ZN宋体,ZS12
Label|Label1|10|2||240|1410|1320|300||开户银行|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||1605|1410|1897|300|开户银行||宋体,9||ZN宋体,ZS12
Label|Label1|11|2||3652|1410|960|300||帐号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||4657|1410|2257|300|帐号||宋体,9||ZN宋体,ZS12
Label|Label1|12|2||240|1755|1320|300||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||1605|1755|1897|300|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|13|2||3652|1755|960|300||资金来源|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||4657|1755|2257|300|资金来源||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|14|2||240|2100|1320|300||注册资金|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||1605|2100|967|300|注册资金||宋体,9||ZN宋体,ZS12
ComboBox|ChCBO|8|2||2602|2100|900|300|注册资金单位||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|15|2||3652|2100|960|300||投资额|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|16|2||4657|2100|1327|300|投资额||宋体,9||ZN宋体,ZS12
ComboBox|ChCBO|9|2||6014|2100|900|300|投资额单位||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|16|2||240|2445|1320|300||项目审批机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|17|2||1605|2445|1897|300|项目审批机关||宋体,9||ZN宋体,ZS12
Label|Label1|17|2||3652|2445|960|300||批准文号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|4|2||4657|2445|2257|300|批准文号||宋体,9||ZN宋体,ZS12
Label|Label1|18|2||240|2790|1320|300||勘查许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||1605|2790|1897|300|勘查许可证号||宋体,9||ZN宋体,ZS12
Label|Label1|19|2||3652|2790|960|300||划矿备案号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|26|2||4657|2790|2257|300|划矿备案号||宋体,9||ZN宋体,ZS12
Label|Label1|20|2||240|3135|1320|300||采矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|3|2||1605|3135|1897|300|采矿权取得方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|21|2||3652|3135|960|300||设计年限|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|27|2||4657|3135|1987|300|设计年限||宋体,9||ZN宋体,ZS12
Label|Label1|22|2||6674|3135|240|300||年|宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelTree|0|2||240|3480|960|300||开采主矿种|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||1245|3480|2257|300|开采主矿种||宋体,9|style=0|Y,ZN宋体,ZS12
CheckBox|CheckTogether|-1|2||3652|3480|900|300|共伴生类型|共伴生|宋体,9||ZN宋体,ZS10.5
Label|Label1|23|2||4582|3480|960|300||其它主矿种|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||5572|3480|1342|300|其它主矿种||宋体,9||ZN宋体,ZS12
TreeView|TreeView2|-1|2||1245|3780|2500|2500|||宋体,9|hidden|
ListBox|List1|-1|2||1245|3780|2500|2000|||宋体,9|hidden|
TextBox|KCDM|-1|2||6400|3480|500|300|||宋体,9|hidden|
Label|Label1|24|2||240|3825|780|300||设计规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||1065|3825|1300|300|设计规模||宋体,9||ZN宋体,ZS12
Label|LabelGM|0|2||2395|3825|1500|300||万吨/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|25|2||4305|3825|780|300||储量规模|宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelCL|-1|2||5130|3825|1785|300|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
Label|Label1|26|2||240|4170|780|300||总储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1065|4170|1300|300|总储量||宋体,9||ZN宋体,ZS12
Label|LabelGM|1|2||2395|4170|1450|300||万吨|宋体,9|transparent|ZN宋体,ZS10.5
CommandButton|CommandCL|-1|2||3875|4170|255|255||▼|宋体,9||
TextBox|ChTXT|28|2||4305|4170|1290|300|储量单位||宋体,9|hidden disabled|
TextBox|ChTXT|29|2||5625|4170|1290|300|矿石类型||宋体,9|hidden disabled|
ListBox|ListCL|-1|2||880|4425|3300|1320|||宋体,9|hidden|
Label|LabelTree|1|2||240|4515|960|300||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|25|2||1245|4515|1000|300|所在行政区||宋体,9|maxlen=6|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2275|4515|400|285||>>|宋体,9||
Label|LabelXZQName|-1|2||2705|4515|4210|300|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
TreeView|TreeView1|-1|2||240|4820|2035|2695|||宋体,9|hidden|
Label|Label1|27|2||240|4860|1500|600||地质报告审批情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|0|2||1785|4860|5130|600|地质报告审批情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|28|2||240|5520|1500|600||探明地质储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|1|2||1785|5520|5130|600|探明地质储量||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|29|2||240|6180|1500|600||设计利用储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|2|2||1785|6180|5130|600|设计利用储量||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|30|3||240|150|6675|420||采矿权新立申请表（续）|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|1|3||240|630|6915|630|||||
Label|Label1|31|3||240|720|1500|300||开采方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|4|3||1785|720|1717|300|开采方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|32|3||3652|720|1140|300||采矿方法|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|5|3||4837|720|2077|300|采矿方法||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|33|3||240|1065|1500|300||选矿方法|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|6|3||1785|1065|1717|300|选矿方法||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|34|3||3652|1065|1140|300||采矿回采率|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|21|3||4837|1065|1807|300|采矿回采率||宋体,9||ZN宋体,ZS12
Label|Label1|35|3||6674|1065|240|300||%|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|36|3||240|1410|1500|300||矿石贫化率|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|22|3||1785|1410|1447|300|矿石贫化率||宋体,9||ZN宋体,ZS12
Label|Label1|37|3||3262|1410|240|300||%|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|38|3||3652|1410|1140|300||选矿回收率|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|23|3||4837|1410|1807|300|选矿回收率||宋体,9||ZN宋体,ZS12
Label|Label1|39|3||6674|1410|240|300||%|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|40|3||240|1755|1500|300||应缴纳采矿权价款|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|24|3||1785|1755|1267|300|应缴纳采矿权价款||宋体,9||ZN宋体,ZS12
Label|Label1|41|3||3082|1755|420|300||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|42|3||3652|1755|1140|300||价款处置方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|7|3||4837|1755|2077|300|价款处置方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|43|3||240|2100|1600|380||矿石品位|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|3|3||1885|2100|5030|380|矿石品位||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|44|3||240|2540|1600|380||综合回收|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|4|3||1885|2540|5030|380|综合回收||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|45|3||240|2980|1600|380||最终产品|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|5|3||1885|2980|5030|380|最终产品||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|46|3||240|3420|1600|380||探矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|6|3||1885|3420|5030|380|探矿权取得方式||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|47|3||240|3860|1600|380||价款处置方式说明|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|7|3||1885|3860|5030|380|价款处置方式说明||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Shape|Shape2|0|3||1500|4590|5400|2100|||||
Label|Label1|48|3||240|4590|1200|600||矿区范围\n示意图|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|49|3||240|6780|780|300||开采深度|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|0|3||1065|6780|986|300|采深上限||宋体,9||ZN宋体,ZS12
Label|Label1|50|3||2081|6780|240|300||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|1|3||2351|6780|986|300|采深下限||宋体,9||ZN宋体,ZS12
Label|Label1|51|3||3367|6780|600|300||米标高|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|52|3||4118|6780|780|300||矿区面积|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|2|3||4943|6780|1161|300|矿区面积||宋体,9||ZN宋体,ZS12
Label|Label1|53|3||6134|6780|780|300||平方公里|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|54|3||240|7125|1140|300||采矿权使用费|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|3|3||1425|7125|1267|300|采矿权使用费||宋体,9||ZN宋体,ZS12
Label|Label1|55|3||2722|7125|780|300||千元/年|宋体,9|transparent|ZN宋体,ZS10.5
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
