# DelTab: 采矿权注销申请表 (kind 4), laid out as the paper form; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|DelTab|4|采矿权注销申请表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
Label|Label1|0|0||4330|371|940|188||编    号|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|1|0||4330|701|940|188||收件日期|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Shape|Shape2|0|0||4300|300|2615|660|||||
Line|Line1|0|0||4300|630|6915|630|||||
Line|Line1|1|0||5300|300|5300|960|||||
Label|Label1|2|0||240|1500|6675|840||采矿权注销申请表|黑体,26,b|align=2 transparent|ZN黑体,ZS42
Label|Label1|3|0||600|3720|2160|340||申请人（盖章）：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|3700|3600|360|申请人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|2|0||2820|4060|6420|4060|||||
Label|Label1|4|0||600|4320|2160|340||矿山名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|4300|3600|360|矿山名称||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|3|0||2820|4660|6420|4660|||||
Label|Label1|5|0||600|4920|2160|340||原许可证号：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|4900|3600|360|原许可证号||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|4|0||2820|5260|6420|5260|||||
Label|Label1|6|0||600|5520|2160|340||填表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|5500|3600|360|填表人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|5|0||2820|5860|6420|5860|||||
Label|Label1|7|0||600|6120|2160|340||填表时间：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|4|0||2820|6100|3600|360|填表时间||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|6|0||2820|6460|6420|6460|||||
Label|Label1|8|0||240|6845|6675|360||矿业权登记管理机关 制|宋体,12|align=2 transparent hidden|ZN宋体,ZS16,[V]
Label|lblHead|0|1||240|420|6675|560||填  报  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|Label1|9|1||360|1120|6555|555||采矿权人停办或者关闭矿山，或者采矿许可证有效期届满不再延续的，应申请办理采矿许可证注销登记，并填写本表。请用计算机逐项如实填写，填写完毕后打印，申请人在封面盖章。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|1|1||300|1802|1760|242||1．申请人|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|1|1||2120|1825|4795|195||填写采矿权人全称，应与原采矿许可证及营业执照一致。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|2|1||300|2138|1760|242||2．矿山名称|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|2|1||2120|2162|4795|195||填写原采矿许可证载明的矿山名称。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|3|1||300|2499|1760|375||3．原许可证号|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|3|1||2120|2499|4795|375||填写原采矿许可证的证号；原有效期按原采矿许可证载明的起止日期填写。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|4|1||300|2969|1760|259||4．所在行政区|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|4|1||2120|2969|4795|375||填写矿区所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|5|1||300|3416|1760|242||5．申请原因|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|5|1||2120|3439|4795|195||说明停办、关闭矿山或不再延续的原因。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|6|1||300|3752|1760|242||6．设计利用储量|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|6|1||2120|3776|4795|195||填写设计利用的资源储量、已采出的储量和剩余的储量。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|7|1||300|4090|1760|242||7．补偿费交纳情况|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|7|1||2120|4113|4795|195||填写矿产资源补偿费历年应缴、已缴及欠缴的情况。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|8|1||300|4426|1760|242||8．使用费交纳情况|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|8|1||2120|4450|4795|195||填写采矿权使用费历年应缴、已缴及欠缴的情况。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|9|1||300|4764|1760|242||9．价款处置情况|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|9|1||2120|4787|4795|195||填写采矿权价款的处置及交纳情况；不涉及的填“无”。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|10|1||300|5124|1760|259||10．备注|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|10|1||2120|5124|4795|375||需要说明的其他事项，如闭坑地质报告的审批、土地复垦和地质环境恢复治理的情况。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|11|1||300|5570|1760|242||11．填表时间|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|11|1||2120|5594|4795|195||按“年-月-日”的格式填写，如2004-05-18。|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|10|2||240|150|6675|420||采矿权注销申请表|黑体,14,b|align=2 transparent|ZN黑体,ZS18
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
Label|Label1|16|2||3607|1388|1340|188||项目审批机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||5007|1340|1878|285|项目审批机关||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|17|2||270|1734|1340|188||批准文号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1670|1685|1677|285|批准文号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|18|2||3407|1734|940|188||原有效期|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||4407|1685|1109|285|原有效期起||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|19|2||5546|1734|200|188||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||5776|1685|1109|285|原有效期止||宋体,9|border=0|ZN宋体,ZS12
Label|LabelTree|-1|2||270|2078|1340|188||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||1670|2030|900|285|所在行政区||宋体,9|border=0|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2600|2030|400|285||>>|宋体,9||
Label|LabelXZQName|-1|2||3030|2045|3900|255|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
Label|Label1|20|2||270|2626|1340|188||申请原因|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|0|2||1670|2375|5215|689|申请原因||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|21|2||270|3374|1340|188||设计利用储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|1|2||1670|3124|5215|689|设计利用储量||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|22|2||270|4124|1340|188||补偿费交纳情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|2|2||1670|3873|5215|689|补偿费交纳情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|23|2||270|4872|1340|188||使用费交纳情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|3|2||1670|4622|5215|689|使用费交纳情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|24|2||270|5622|1340|188||价款处置情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|4|2||1670|5371|5215|689|价款处置情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|25|2||270|6370|1340|188||备注|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|5|2||1670|6120|5215|689|备注||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|26|2||270|7025|1740|188||申请人（签章）|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|27|2||3970|7025|840|188||日期|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|28|2||4870|7025|2015|188||年    月    日|宋体,9|align=1 transparent|ZN宋体,ZS10.5
Shape|Shape2|1|2||240|620|6675|6779||||linewidth=2|
Line|Line1|7|2||240|965|6915|965|||||
Line|Line1|8|2||240|1310|6915|1310|||||
Line|Line1|9|2||240|1655|6915|1655|||||
Line|Line1|10|2||240|2000|6915|2000|||||
Line|Line1|11|2||240|2345|6915|2345|||||
Line|Line1|12|2||240|3094|6915|3094|||||
Line|Line1|13|2||240|3843|6915|3843|||||
Line|Line1|14|2||240|4592|6915|4592|||||
Line|Line1|15|2||240|5341|6915|5341|||||
Line|Line1|16|2||240|6090|6915|6090|||||
Line|Line1|17|2||240|6839|6915|6839|||||
Line|Line1|18|2||1640|620|1640|6839|||||
Line|Line1|19|2||2040|6839|2040|7399|||||
Line|Line1|20|2||3377|1655|3377|2000|||||
Line|Line1|21|2||3577|620|3577|1655|||||
Line|Line1|22|2||3940|6839|3940|7399|||||
Line|Line1|23|2||4377|1655|4377|2000|||||
Line|Line1|24|2||4840|6839|4840|7399|||||
Line|Line1|25|2||4977|620|4977|1655|||||
TreeView|TreeView1|-1|2||270|2335|2330|3400|||宋体,9|hidden|
