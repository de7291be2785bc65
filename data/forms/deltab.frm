# DelTab: 采矿权注销申请表 (kind 4). Generated layout; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|DelTab|4|采矿权注销申请表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
Label|Label1|0|0||240|1500|6675|720||采矿权注销申请表|黑体,26,b|align=2 transparent|ZN黑体,ZS36
Label|Label1|1|0||900|4000|1860|360||申请人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|4000|3450|360|申请人||宋体,12||X,ZN宋体,ZS12
Label|Label1|2|0||900|4540|1860|360||矿山名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|4540|3450|360|矿山名称||宋体,12||X,ZN宋体,ZS12
Label|Label1|3|0||900|5080|1860|360||原许可证号：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|5080|3450|360|原许可证号||宋体,12||X,ZN宋体,ZS12
Label|Label1|4|0||900|5620|1860|360||填表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|5620|3450|360|填表人||宋体,12||X,ZN宋体,ZS12
Label|Label1|5|0||900|6160|1860|360||填表时间：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|4|0||2820|6160|3450|360|填表时间||宋体,12||X,ZN宋体,ZS12
Label|lblHead|0|1||240|450|6675|600||填  报  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|lblHead|1|1||360|1350|1500|300||申请人|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|1|1||1920|1350|4995|570||填写申请单位全称（与营业执照一致）或申请人姓名。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|2|1||360|2070|1500|300||矿山名称|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|2|1||1920|2070|4995|300||填写矿山的全称，与有关批准文件一致。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|3|1||360|2520|1500|300||申请原因|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|3|1||1920|2520|4995|300||简要说明申请注销采矿许可证的原因。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|4|1||360|2970|1500|300||所在行政区|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|4|1||1920|2970|4995|570||填写矿山所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|5|1||360|3690|1500|300||填表时间|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|5|1||1920|3690|4995|570||按“年-月-日”的格式填写，如2004-05-18。|宋体,10.5|transparent|ZN宋体,ZS12
Label|Label1|6|2||240|150|6675|420||采矿权注销申请表|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|0|2||240|630|6915|630|||||
Label|Label1|7|2||240|720|960|300||法定代表人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||1245|720|2257|300|法定代表人||宋体,9||ZN宋体,ZS12
Label|Label1|8|2||3652|720|1140|300||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||4837|720|2077|300|电话||宋体,9||ZN宋体,ZS12
Label|Label1|9|2||240|1065|960|300||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||1245|1065|2257|300|地址||宋体,9||ZN宋体,ZS12
Label|Label1|10|2||3652|1065|1140|300||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||4837|1065|2077|300|邮编||宋体,9||ZN宋体,ZS12
Label|Label1|11|2||240|1410|960|300||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||1245|1410|2257|300|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|12|2||3652|1410|1140|300||项目审批机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||4837|1410|2077|300|项目审批机关||宋体,9||ZN宋体,ZS12
Label|Label1|13|2||240|1755|960|300||原有效期起|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||1245|1755|2257|300|原有效期起||宋体,9||ZN宋体,ZS12
Label|Label1|14|2||3652|1755|1140|300||原有效期止|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||4837|1755|2077|300|原有效期止||宋体,9||ZN宋体,ZS12
Label|Label1|15|2||240|2100|960|300||批准文号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1245|2100|2257|300|批准文号||宋体,9||ZN宋体,ZS12
Label|LabelTree|-1|2||240|2445|960|300||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||1245|2445|1000|300|所在行政区||宋体,9|maxlen=6|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2275|2445|400|285||>>|宋体,9||
Label|LabelXZQName|-1|2||2705|2445|4210|300|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
TreeView|TreeView1|-1|2||240|2750|2035|3400|||宋体,9|hidden|
Label|Label1|16|2||240|2850|1500|680||申请原因|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|0|2||1785|2850|5130|680|申请原因||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|17|2||240|3590|1500|680||设计利用储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|1|2||1785|3590|5130|680|设计利用储量||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|18|2||240|4330|1500|680||补偿费交纳情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|2|2||1785|4330|5130|680|补偿费交纳情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|19|2||240|5070|1500|680||使用费交纳情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|3|2||1785|5070|5130|680|使用费交纳情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|20|2||240|5810|1500|680||价款处置情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|4|2||1785|5810|5130|680|价款处置情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|21|2||240|6550|1500|680||备注|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|5|2||1785|6550|5130|680|备注||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
