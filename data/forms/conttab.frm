# ContTab: 采矿权延续申请表 (kind 3). Generated layout; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|ContTab|3|采矿权延续申请表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
Label|Label1|0|0||240|1500|6675|720||采矿权延续申请表|黑体,26,b|align=2 transparent|ZN黑体,ZS36
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
Label|lblHead|3|1||360|2520|1500|300||原许可证号|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|3|1||1920|2520|4995|300||填写原采矿许可证的证号。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|4|1||360|2970|1500|300||所在行政区|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|4|1||1920|2970|4995|570||填写矿山所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|5|1||360|3690|1500|300||数值栏目|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|5|1||1920|3690|4995|570||只填写数字，计量单位见栏目后的说明；比率以百分数填写。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|6|1||360|4410|1500|300||填表时间|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|6|1||1920|4410|4995|570||按“年-月-日”的格式填写，如2004-05-18。|宋体,10.5|transparent|ZN宋体,ZS12
Label|Label1|6|2||240|150|6675|420||采矿权延续申请表|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|0|2||240|630|6915|630|||||
Label|Label1|7|2||240|720|1500|300||法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||1785|720|1717|300|法定代表人||宋体,9||ZN宋体,ZS12
Label|Label1|8|2||3652|720|1140|300||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||4837|720|2077|300|电话||宋体,9||ZN宋体,ZS12
Label|Label1|9|2||240|1065|1500|300||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||1785|1065|1717|300|地址||宋体,9||ZN宋体,ZS12
Label|Label1|10|2||3652|1065|1140|300||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||4837|1065|2077|300|邮编||宋体,9||ZN宋体,ZS12
Label|Label1|11|2||240|1410|1500|300||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||1785|1410|1717|300|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|12|2||3652|1410|1140|300||设计规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||4837|1410|2077|300|设计规模||宋体,9||ZN宋体,ZS12
Label|Label1|13|2||240|1755|1500|300||总储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||1785|1755|1717|300|总储量||宋体,9||ZN宋体,ZS12
Label|Label1|14|2||3652|1755|1140|300||勘查许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||4837|1755|2077|300|勘查许可证号||宋体,9||ZN宋体,ZS12
Label|Label1|15|2||240|2100|1500|300||原有效期起|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1785|2100|1717|300|原有效期起||宋体,9||ZN宋体,ZS12
Label|Label1|16|2||3652|2100|1140|300||原有效期止|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||4837|2100|2077|300|原有效期止||宋体,9||ZN宋体,ZS12
Label|Label1|17|2||240|2445|1500|300||采矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||1785|2445|1717|300|采矿权取得方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|18|2||3652|2445|1140|300||价款处置方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||4837|2445|2077|300|价款处置方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|19|2||240|2790|1500|300||应缴纳采矿权价款|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||1785|2790|1267|300|应缴纳采矿权价款||宋体,9||ZN宋体,ZS12
Label|Label1|20|2||3082|2790|420|300||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelTree|0|2||240|3135|960|300||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||1245|3135|1000|300|所在行政区||宋体,9|maxlen=6|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2275|3135|400|285||>>|宋体,9||
Label|LabelXZQName|-1|2||2705|3135|4210|300|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
TreeView|TreeView1|-1|2||240|3440|2035|3400|||宋体,9|hidden|
Label|Label1|21|2||240|3540|1500|1000||申请原因|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|0|2||1785|3540|5130|1000|申请原因||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|22|2||240|4600|1500|1000||设计利用储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|1|2||1785|4600|5130|1000|设计利用储量||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|23|2||240|5660|1500|1000||备注|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|2|2||1785|5660|5130|1000|备注||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
