# ContTab: 采矿权延续申请表 (kind 3), laid out as the paper form; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|ContTab|3|采矿权延续申请表
@page|0|7155|7545|
@page|1|7155|7545|
@page|2|7155|7545|
Label|Label1|0|0||4330|371|940|188||编    号|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|1|0||4330|701|940|188||收件日期|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Shape|Shape2|0|0||4300|300|2615|660|||||
Line|Line1|0|0||4300|630|6915|630|||||
Line|Line1|1|0||5300|300|5300|960|||||
Label|Label1|2|0||240|1500|6675|840||采矿权延续申请表|黑体,26,b|align=2 transparent|ZN黑体,ZS42
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
Label|Label1|9|1||360|1120|6555|555||采矿许可证有效期届满需要继续开采的，采矿权人应在有效期届满三十日前申请办理延续登记，并填写本表。请用计算机逐项如实填写，填写完毕后打印，申请人在封面盖章。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|1|1||300|1802|1760|242||1．申请人|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|1|1||2120|1825|4795|195||填写采矿权人全称，应与原采矿许可证及营业执照一致。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|2|1||300|2138|1760|242||2．矿山名称|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|2|1||2120|2162|4795|195||填写原采矿许可证载明的矿山名称。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|3|1||300|2499|1760|375||3．原许可证号|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|3|1||2120|2499|4795|375||填写原采矿许可证的证号；原有效期按原采矿许可证载明的起止日期填写。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|4|1||300|2969|1760|259||4．经济类型|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|4|1||2120|2969|4795|375||按企业登记注册类型从下拉列表中选取；采矿权取得方式、价款处置方式同样从列表中选取。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|5|1||300|3439|1760|259||5．规模及储量|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|5|1||2120|3439|4795|375||设计规模（万吨/年）、总储量（万吨）按批准的开发利用方案及最近一次经评审备案的储量核实报告填写。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|6|1||300|3909|1760|259||6．所在行政区|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|6|1||2120|3909|4795|375||填写矿区所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|7|1||300|4379|1760|375||7．申请原因|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|7|1||2120|4379|4795|375||说明需要延续开采的理由、剩余资源储量及申请延续的期限。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|8|1||300|4826|1760|242||8．设计利用储量|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|8|1||2120|4849|4795|195||填写剩余的设计利用资源储量，包括矿石量及平均品位。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|9|1||300|5186|1760|259||9．采矿权价款|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|9|1||2120|5186|4795|375||涉及国家出资勘查形成的采矿权的，填写应缴纳的采矿权价款及其处置方式；不涉及的填0。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|10|1||300|5632|1760|242||10．填表时间|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|10|1||2120|5656|4795|195||按“年-月-日”的格式填写，如2004-05-18。|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|10|2||240|150|6675|420||采矿权延续申请表|黑体,14,b|align=2 transparent|ZN黑体,ZS18
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
Label|Label1|16|2||3607|1388|1340|188||设计规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|9|2||5007|1340|1000|285|设计规模||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|33|2||6035|1388|850|188||万吨/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|17|2||270|1734|1340|188||总储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||1670|1685|1400|285|总储量||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|34|2||3100|1734|447|188||万吨|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|18|2||3607|1734|1340|188||勘查许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||5007|1685|1878|285|勘查许可证号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|19|2||270|2078|1340|188||采矿权取得方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||1670|2030|1877|285|采矿权取得方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|20|2||3607|2078|1340|188||价款处置方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||5007|2030|1878|285|价款处置方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|21|2||270|2424|1340|188||原有效期|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1670|2375|1300|285|原有效期起||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|22|2||3000|2424|240|188||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||3270|2375|1300|285|原有效期止||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|23|2||4600|2424|2285|188|||宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|24|2||270|2768|1500|188||应缴纳采矿权价款|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||1830|2720|1500|285|应缴纳采矿权价款||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|25|2||3360|2768|400|188||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|26|2||3790|2768|3095|188|||宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelTree|0|2||270|3114|1340|188||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||1670|3065|900|285|所在行政区||宋体,9|border=0|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2600|3065|400|285||>>|宋体,9||
Label|LabelXZQName|-1|2||3030|3080|3900|255|||宋体,9|transparent fore=#000080|ZN宋体,ZS10.5
Label|Label1|27|2||270|3862|1340|188||申请原因|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|0|2||1670|3410|5215|1093|申请原因||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|28|2||270|5016|1340|188||设计利用储量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|1|2||1670|4563|5215|1093|设计利用储量||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|29|2||270|6168|1340|188||备注|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChMEMO|2|2||1670|5716|5215|1093|备注||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|30|2||270|7025|1740|188||申请人（签章）|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|31|2||3970|7025|840|188||日期|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|32|2||4870|7025|2015|188||年    月    日|宋体,9|align=1 transparent|ZN宋体,ZS10.5
Shape|Shape2|1|2||240|620|6675|6779||||linewidth=2|
Line|Line1|7|2||240|965|6915|965|||||
Line|Line1|8|2||240|1310|6915|1310|||||
Line|Line1|9|2||240|1655|6915|1655|||||
Line|Line1|10|2||240|2000|6915|2000|||||
Line|Line1|11|2||240|2345|6915|2345|||||
Line|Line1|12|2||240|2690|6915|2690|||||
Line|Line1|13|2||240|3035|6915|3035|||||
Line|Line1|14|2||240|3380|6915|3380|||||
Line|Line1|15|2||240|4533|6915|4533|||||
Line|Line1|16|2||240|5686|6915|5686|||||
Line|Line1|17|2||240|6839|6915|6839|||||
Line|Line1|18|2||1640|620|1640|2690|||||
Line|Line1|19|2||1640|3035|1640|6839|||||
Line|Line1|20|2||1800|2690|1800|3035|||||
Line|Line1|21|2||2040|6839|2040|7399|||||
Line|Line1|22|2||3577|620|3577|2345|||||
Line|Line1|23|2||3940|6839|3940|7399|||||
Line|Line1|24|2||4840|6839|4840|7399|||||
Line|Line1|25|2||4977|620|4977|2345|||||
TreeView|TreeView1|-1|2||270|3370|2330|3400|||宋体,9|hidden|
