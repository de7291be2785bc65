# CessionTab: 采矿权转让申请表 (kind 6). Generated layout; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|CessionTab|6|采矿权转让申请表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
@page|3|7155|7545|
Label|Label1|0|0||240|1500|6675|720||采矿权转让申请表|黑体,26,b|align=2 transparent|ZN黑体,ZS36
Label|Label1|1|0||900|4000|1860|360||转让申请人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|4000|3450|360|转让申请人||宋体,12||X,ZN宋体,ZS12
Label|Label1|2|0||900|4540|1860|360||受让人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|4540|3450|360|受让人||宋体,12||X,ZN宋体,ZS12
Label|Label1|3|0||900|5080|1860|360||矿山名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|5080|3450|360|矿山名称||宋体,12||X,ZN宋体,ZS12
Label|Label1|4|0||900|5620|1860|360||审批通知书文号：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|p1DATA|58|0||2820|5620|3450|360|审批通知书文号||宋体,12||X,ZN宋体,ZS12
Label|Label1|5|0||900|6160|1860|360||填表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|6160|3450|360|填表人||宋体,12||X,ZN宋体,ZS12
Label|Label1|6|0||900|6700|1860|360||填表时间：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|4|0||2820|6700|3450|360|填表时间||宋体,12||X,ZN宋体,ZS12
Label|lblHead|0|1||240|450|6675|600||填  表  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|lblHead|1|1||360|1350|1500|300||转让申请人|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|1|1||1920|1350|4995|570||填写申请单位全称（与营业执照一致）或申请人姓名。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|2|1||360|2070|1500|300||受让人|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|2|1||1920|2070|4995|300||填写受让采矿权的单位全称或个人姓名。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|3|1||360|2520|1500|300||矿山名称|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|3|1||1920|2520|4995|300||填写矿山的全称，与有关批准文件一致。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|4|1||360|2970|1500|300||地理位置|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|4|1||1920|2970|4995|570||填写矿山所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取，名称自动填入。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|5|1||360|3690|1500|300||数值栏目|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|5|1||1920|3690|4995|570||只填写数字，计量单位见栏目后的说明；比率以百分数填写。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|6|1||360|4410|1500|300||填表时间|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|6|1||1920|4410|4995|570||按“年-月-日”的格式填写，如2004-05-18。|宋体,10.5|transparent|ZN宋体,ZS12
Label|Label1|7|2||240|150|6675|420||采矿权转让申请表|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|0|2||240|630|6915|630|||||
Label|Label1|8|2||240|720|1320|300||法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||1605|720|1897|300|法定代表人||宋体,9||ZN宋体,ZS12
Label|Label1|9|2||3652|720|1500|300||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||5197|720|1717|300|电话||宋体,9||ZN宋体,ZS12
Label|Label1|10|2||240|1065|1320|300||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||1605|1065|1897|300|地址||宋体,9||ZN宋体,ZS12
Label|Label1|11|2||3652|1065|1500|300||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||5197|1065|1717|300|邮编||宋体,9||ZN宋体,ZS12
Label|Label1|12|2||240|1410|1320|300||传真|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||1605|1410|1897|300|传真||宋体,9||ZN宋体,ZS12
Label|Label1|13|2||3652|1410|1500|300||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||5197|1410|1717|300|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|14|2||240|1755|1320|300||开户银行|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||1605|1755|1897|300|开户银行||宋体,9||ZN宋体,ZS12
Label|Label1|15|2||3652|1755|1500|300||帐号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||5197|1755|1717|300|帐号||宋体,9||ZN宋体,ZS12
Label|Label1|16|2||240|2100|1320|300||采矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||1605|2100|1897|300|采矿权取得方式||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|17|2||3652|2100|1500|300||采矿权获得时间|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||5197|2100|1717|300|采矿权获得时间||宋体,9||ZN宋体,ZS12
Label|Label1|18|2||240|2445|1320|300||采矿权转让方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||1605|2445|1897|300|采矿权转让方式||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|19|2||3652|2445|1500|300||采矿权属有无争议|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|3|2||5197|2445|1717|300|采矿权属有无争议||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|20|2||240|2790|1320|300||采矿权转让原因|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1605|2790|5310|300|采矿权转让原因||宋体,9||ZN宋体,ZS12
Label|Label1|21|2||240|3135|1140|300||原许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||1425|3135|2077|300|原许可证号||宋体,9||ZN宋体,ZS12
Label|Label1|22|2||3652|3135|1500|300||原项目审批机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||5197|3135|1717|300|原项目审批机关||宋体,9||ZN宋体,ZS12
Label|Label1|23|2||240|3480|1140|300||原有效期起|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|16|2||1425|3480|2077|300|原有效期起||宋体,9||ZN宋体,ZS12
Label|Label1|24|2||3652|3480|1500|300||原有效期止|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|17|2||5197|3480|1717|300|原有效期止||宋体,9||ZN宋体,ZS12
Label|Label1|25|2||240|3825|1140|300||开始生产时间|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|22|2||1425|3825|2077|300|开始生产时间||宋体,9||ZN宋体,ZS12
Label|Label1|26|2||3652|3825|1500|300||矿区面积|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|35|2||5197|3825|907|300|矿区面积||宋体,9||ZN宋体,ZS12
Label|Label1|27|2||6134|3825|780|300||平方公里|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|28|2||240|4170|1140|300||采矿权评估值|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|18|2||1425|4170|1627|300|采矿权评估值||宋体,9||ZN宋体,ZS12
Label|Label1|29|2||3082|4170|420|300||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|30|2||3652|4170|1500|300||转让价格|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|19|2||5197|4170|1267|300|转让价格||宋体,9||ZN宋体,ZS12
Label|Label1|31|2||6494|4170|420|300||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|32|2||240|4515|1140|300||评估机构名称|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|20|2||1425|4515|2077|300|评估机构名称||宋体,9||ZN宋体,ZS12
Label|Label1|33|2||3652|4515|1500|300||评估机构资格证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|21|2||5197|4515|1717|300|评估机构资格证号||宋体,9||ZN宋体,ZS12
Label|Label1|34|2||1585|4860|1756|300||应缴（万元）|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|35|2||3371|4860|1756|300||减免（万元）|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|36|2||5157|4860|1756|300||实缴（万元）|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|37|2||240|5205|1300|300||使用费|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|23|2||1585|5205|1756|300|应缴使用费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|24|2||3371|5205|1756|300|减免使用费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|25|2||5157|5205|1756|300|实缴使用费||宋体,9|align=1|ZN宋体,ZS12
Label|Label1|38|2||240|5550|1300|300||补偿费|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|26|2||1585|5550|1756|300|应缴补偿费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|27|2||3371|5550|1756|300|减免补偿费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|28|2||5157|5550|1756|300|实缴补偿费||宋体,9|align=1|ZN宋体,ZS12
Label|Label1|39|2||240|5895|1300|300||资源税|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|29|2||1585|5895|1756|300|应缴资源税||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|30|2||3371|5895|1756|300|减免资源税||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|31|2||5157|5895|1756|300|实缴资源税||宋体,9|align=1|ZN宋体,ZS12
Label|Label1|40|2||240|6240|1300|300||采矿权价款|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|32|2||1585|6240|1756|300|应缴采矿权价款||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|33|2||3371|6240|1756|300|减免采矿权价款||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|34|2||5157|6240|1756|300|实缴采矿权价款||宋体,9|align=1|ZN宋体,ZS12
Label|Label1|41|2||240|6585|1680|300||采矿权价款缴纳方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|4|2||1965|6585|1537|300|采矿权价款缴纳方式||宋体,9|style=0|Y,ZN宋体,ZS12
Label|LabelTree|-1|2||240|6930|780|300||地理位置|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|37|2||1065|6930|1000|300|所在行政区||宋体,9|maxlen=6|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2095|6930|400|285||>>|宋体,9||
TextBox|ChTXT|36|2||2525|6930|4390|300|地理位置||宋体,9||ZN宋体,ZS12
TreeView|TreeView1|-1|2||240|3530|1855|3400|||宋体,9|hidden|
Label|Label1|42|3||240|150|6675|420||采矿权转让申请表（续）|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|1|3||240|630|6915|630|||||
Label|Label1|43|3||240|720|1500|300||受让人法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|38|3||1785|720|1717|300|受让人法定代表人||宋体,9||ZN宋体,ZS12
Label|Label1|44|3||3652|720|1320|300||受让人电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|41|3||5017|720|1897|300|受让人电话||宋体,9||ZN宋体,ZS12
Label|Label1|45|3||240|1065|1500|300||受让人地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|39|3||1785|1065|1717|300|受让人地址||宋体,9||ZN宋体,ZS12
Label|Label1|46|3||3652|1065|1320|300||受让人邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|40|3||5017|1065|1897|300|受让人邮编||宋体,9||ZN宋体,ZS12
Label|Label1|47|3||240|1410|1500|300||受让人传真|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|42|3||1785|1410|1717|300|受让人传真||宋体,9||ZN宋体,ZS12
Label|Label1|48|3||3652|1410|1320|300||受让人经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|5|3||5017|1410|1897|300|受让人经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|49|3||240|1755|1500|300||受让人开户银行|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|44|3||1785|1755|1717|300|受让人开户银行||宋体,9||ZN宋体,ZS12
Label|Label1|50|3||3652|1755|1320|300||受让人帐号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|43|3||5017|1755|1897|300|受让人帐号||宋体,9||ZN宋体,ZS12
Label|Label1|51|3||240|2100|1500|300||准备投资规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|45|3||1785|2100|1267|300|准备投资规模||宋体,9||ZN宋体,ZS12
Label|Label1|52|3||3082|2100|420|300||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|53|3||3652|2100|1320|300||预期建矿时间|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|46|3||5017|2100|1897|300|预期建矿时间||宋体,9||ZN宋体,ZS12
Label|Label1|54|3||240|2445|1500|300||预期开采规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|47|3||1785|2445|1717|300|预期开采规模||宋体,9||ZN宋体,ZS12
Label|Label1|55|3||240|2790|1500|540||资金条件|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|48|3||1785|2790|5130|540|资金条件||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|56|3||240|3390|1500|540||技术条件|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|49|3||1785|3390|5130|540|技术条件||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|57|3||240|3990|1500|540||设备条件|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|50|3||1785|3990|5130|540|设备条件||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|58|3||240|4590|1500|860||主管部门意见|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|51|3||1785|4590|5130|860|主管部门意见||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|59|3||3652|5510|1140|300||主管签字时间|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|52|3||4837|5510|2077|300|主管签字时间||宋体,9||ZN宋体,ZS12
Label|Label1|60|3||240|5855|1500|860||审批机关意见|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|53|3||1785|5855|5130|860|审批机关意见||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|61|3||3652|6775|780|300||审批时间|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|54|3||4477|6775|2437|300|审批时间||宋体,9||ZN宋体,ZS12
