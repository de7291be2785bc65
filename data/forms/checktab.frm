# CheckTab: 矿产资源开发利用年度报告书 (kind 7), laid out as the paper form; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|CheckTab|7|矿产资源开发利用年度报告书
@page|0|7155|7845|
@page|1|7155|7845|
@page|2|7155|7845|
@page|3|7155|7845|
Label|Label1|0|0||4330|371|940|188||编    号|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|1|0||4330|701|940|188||收件日期|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Shape|Shape2|0|0||4300|300|2615|660|||||
Line|Line1|0|0||4300|630|6915|630|||||
Line|Line1|1|0||5300|300|5300|960|||||
Label|Label1|2|0||240|1500|6675|840||矿产资源开发利用年度报告书|黑体,22,b|align=2 transparent|ZN黑体,ZS36
Label|Label1|3|0||2260|2540|400|420||（|黑体,16|align=1 transparent|ZN黑体,ZS16
TextBox|ChTXT|56|0||2700|2540|1200|420|年检年度||黑体,16|align=2 maxlen=4 border=0|F,ZN黑体,ZS16,[V]
Line|Line1|2|0||2700|2960|3900|2960|||||
Label|Label1|5|0||3940|2540|1100|420||年度）|黑体,16|transparent|ZN黑体,ZS16
Label|Label1|6|0||600|3720|2160|340||采矿权人（盖章）：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|3700|3600|360|申请人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|3|0||2820|4060|6420|4060|||||
Label|Label1|7|0||600|4320|2160|340||矿山名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|4300|3600|360|矿山名称||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|4|0||2820|4660|6420|4660|||||
Label|Label1|8|0||600|4920|2160|340||法定代表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|4900|3600|360|法定代表人||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|5|0||2820|5260|6420|5260|||||
Label|Label1|9|0||600|5520|2160|340||填表日期：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|5500|3600|360|填表日期||宋体,12|border=0|X,ZN宋体,ZS12
Line|Line1|6|0||2820|5860|6420|5860|||||
Label|Label1|10|0||240|7145|6675|360||矿业权登记管理机关 制|宋体,12|align=2 transparent hidden|ZN宋体,ZS16,[V]
Label|lblHead|0|1||240|420|6675|560||填  表  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|Label1|11|1||360|1120|6555|375||采矿权人应于每年规定的时间内如实填写本报告书，报送登记管理机关。请用计算机逐项填写，填写完毕后打印，采矿权人在封面盖章，法定代表人签字。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|1|1||300|1622|1760|242||1．年度|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|1|1||2120|1645|4795|195||填写报告所属的年度，用四位数字，如2004。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|2|1||300|1982|1760|375||2．矿山名称|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|2|1||2120|1982|4795|375||按采矿许可证填写矿山名称和许可证号、有效期起止日期及有效期限。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|3|1||300|2452|1760|259||3．发证机关|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|3|1||2120|2452|4795|375||填写采矿许可证发证机关所在地的六位行政区划代码（可点击“>>”按钮选取），再在右侧填写发证机关名称。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|4|1||300|2922|1760|259||4．所在行政区|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|4|1||2120|2922|4795|375||填写矿区所在地的六位行政区划代码，可点击“>>”按钮选取，行政区名称自动填入。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|5|1||300|3368|1760|242||5．经济类型|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|5|1||2120|3392|4795|195||经济类型、开采方式和矿山企业规模从下拉列表中选取。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|6|1||300|3729|1760|259||6．主采矿种|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|6|1||2120|3729|4795|375||点击下拉按钮从矿种目录中选取；设计规模、实际开采能力的计量单位随矿种确定。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|7|1||300|4199|1760|375||7．生产情况|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|7|1||2120|4199|4795|375||填写本年度的年产矿石量、工业总产值和年销售收入，金额以万元计。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|8|1||300|4669|1760|375||8．回采率、回收率|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|8|1||2120|4669|4795|375||以百分数填写设计、实际及核定的开采回采率和选矿回收率。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|9|1||300|5139|1760|259||9．费款缴纳|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|9|1||2120|5139|4795|375||分别填写矿产资源补偿费、采矿权使用费和采矿权价款的应缴、减免、实缴、当年欠缴和累计欠缴金额，以万元计。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|10|1||300|5609|1760|375||10．各项情况|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|10|1||2120|5609|4795|375||开发利用方案实施情况及第二页各项情况据实简要说明，没有的填“无”。|宋体,9|transparent|ZN宋体,ZS10.5
Label|lblHead|11|1||300|6056|1760|242||11．填表日期|黑体,9,b|transparent|ZN黑体,ZS10.5
Label|lblExplain|11|1||2120|6079|4795|195||按“年-月-日”的格式填写，如2004-05-18。|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|12|2||240|150|6675|420||矿产资源开发利用年度报告书|黑体,14,b|align=2 transparent|ZN黑体,ZS18
Label|Label1|13|2||270|691|1000|188||矿山名称|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|0|2||1330|650|2905|270|矿山名称||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|14|2||4295|691|1040|188||许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||5395|650|1490|270|许可证号||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|15|2||270|1021|1000|188||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|4|2||1330|980|1205|270|电话||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|16|2||2595|1021|640|188||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||3295|980|940|270|邮编||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|17|2||4295|1021|1040|188||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||5395|980|1490|270|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|18|2||270|1351|1000|188||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||1330|1310|2905|270|地址||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|19|2||4295|1351|1040|188||开采方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||5395|1310|1490|270|开采方式||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|4|2||270|1681|1700|188||采矿许可证发证机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||2030|1640|900|270|发证机关编码||宋体,9|border=0|ZN宋体,ZS12
CommandButton|CommandXZQ2|-1|2||2960|1632|400|285||>>|宋体,9||
TextBox|ChTXT|9|2||3390|1640|3495|270|发证机关名称||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|20|2||270|2011|1000|188||有效期|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||1330|1970|1322|270|有效期起||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|21|2||2682|2011|200|188||至|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||2912|1970|1322|270|有效期止||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|22|2||4295|2011|1040|188||有效期限|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||5395|1970|1260|270|有效期限||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|23|2||6685|2011|200|188||年|宋体,9|transparent|ZN宋体,ZS10.5
Label|LabelTree|1|2||270|2341|1700|188||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|42|2||2030|2300|900|270|所在行政区||宋体,9|border=0|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2960|2292|400|285||>>|宋体,9||
TextBox|ChTXT|43|2||3390|2300|3495|270|所在行政区名称||宋体,9|border=0|ZN宋体,ZS12
Label|LabelTree|0|2||270|2671|1000|188||主采矿种|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||1330|2630|1340|270|开采主矿种||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|24|2||2730|2671|940|188||其它主矿种|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|37|2||3730|2630|840|270|其它主矿种||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|25|2||4630|2671|1140|188||矿山企业规模|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|3|2||5830|2630|1055|270|矿山企业规模||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|26|2||270|3001|1000|188||设计规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|38|2||1330|2960|895|270|设计规模||宋体,9|border=0|ZN宋体,ZS12
Label|LabelGM|0|2||2255|2968|1080|255||万吨/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|27|2||3395|3001|1140|188||实际开采能力|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|39|2||4595|2960|1180|270|实际开采能力||宋体,9|border=0|ZN宋体,ZS12
Label|LabelGM|7|2||5805|2968|1080|255||万吨/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|28|2||270|3331|1000|188||年产矿石量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1330|3290|895|270|年产矿石量||宋体,9|border=0|ZN宋体,ZS12
Label|LabelGM|1|2||2255|3298|1080|255||万吨|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|29|2||3395|3331|1140|188||工业总产值|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||4595|3290|1180|270|工业总产值||宋体,9|border=0|ZN宋体,ZS12
Label|LabelGM|2|2||5805|3298|1080|255||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|30|2||270|3661|1000|188||年销售收入|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||1330|3620|895|270|年销售收入||宋体,9|border=0|ZN宋体,ZS12
Label|LabelGM|3|2||2255|3628|1080|255||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|31|2||3395|3661|1140|188||采矿权负责人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|44|2||4595|3620|2290|270|采矿权负责人||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|32|2||270|3991|1000|188||设计年限|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|40|2||1330|3950|1775|270|设计年限||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|33|2||3135|3991|200|188||年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|34|2||3395|3991|1140|188||尚可服务年限|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|41|2||4595|3950|2060|270|尚可服务年限||宋体,9|border=0|ZN宋体,ZS12
Label|Label1|35|2||6685|3991|200|188||年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|36|2||270|4321|1340|188||指标|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|37|2||1670|4321|1258|188||设计|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|38|2||2988|4321|1258|188||实际|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|39|2||4306|4321|1258|188||核定|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|40|2||5624|4321|1261|188||核定实际|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|41|2||270|4651|1340|188||回采率（%）|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|16|2||1670|4610|1258|270|设计回采率||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|17|2||2988|4610|1258|270|实际回采率||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|18|2||4306|4610|1258|270|核定回采率||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|19|2||5624|4610|1261|270|核定实际回采率||宋体,9|border=0 align=1|ZN宋体,ZS12
Label|Label1|42|2||270|4981|1340|188||回收率（%）|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|20|2||1670|4940|1258|270|设计回收率||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|21|2||2988|4940|1258|270|实际回收率||宋体,9|border=0 align=1|ZN宋体,ZS12
Label|Label1|43|2||270|5311|1340|188||费用（万元）|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|44|2||1670|5311|995|188||应缴|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|45|2||2725|5311|995|188||减免|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|46|2||3780|5311|995|188||实缴|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|47|2||4835|5311|995|188||当年欠缴|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|48|2||5890|5311|995|188||累计欠缴|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|49|2||270|5641|1340|188||矿产资源补偿费|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|22|2||1670|5600|995|270|应缴补偿费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|23|2||2725|5600|995|270|减免补偿费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|24|2||3780|5600|995|270|实缴补偿费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|25|2||4835|5600|995|270|当年欠缴补偿费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|26|2||5890|5600|995|270|累计欠缴补偿费||宋体,9|border=0 align=1|ZN宋体,ZS12
Label|Label1|50|2||270|5971|1340|188||采矿权使用费|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|27|2||1670|5930|995|270|应缴使用费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|28|2||2725|5930|995|270|减免使用费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|29|2||3780|5930|995|270|实缴使用费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|30|2||4835|5930|995|270|当年欠缴使用费||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|31|2||5890|5930|995|270|累计欠缴使用费||宋体,9|border=0 align=1|ZN宋体,ZS12
Label|Label1|51|2||270|6301|1340|188||采矿权价款|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|32|2||1670|6260|995|270|应缴价款||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|33|2||2725|6260|995|270|减免价款||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|34|2||3780|6260|995|270|实缴价款||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|35|2||4835|6260|995|270|当年欠缴价款||宋体,9|border=0 align=1|ZN宋体,ZS12
TextBox|ChTXT|36|2||5890|6260|995|270|累计欠缴价款||宋体,9|border=0 align=1|ZN宋体,ZS12
Label|Label1|52|2||270|6777|1000|376||开发方案\n实施情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|46|2||1330|6590|5555|750|开发方案实施情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|53|2||270|7441|1740|188||采矿权人（签章）|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|54|2||3970|7441|840|188||日期|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|45|2||4870|7400|2015|270|采矿权人日期||宋体,9|border=0|ZN宋体,ZS12
Shape|Shape2|1|2||240|620|6675|7080||||linewidth=2|
Line|Line1|7|2||240|950|6915|950|||||
Line|Line1|8|2||240|1280|6915|1280|||||
Line|Line1|9|2||240|1610|6915|1610|||||
Line|Line1|10|2||240|1940|6915|1940|||||
Line|Line1|11|2||240|2270|6915|2270|||||
Line|Line1|12|2||240|2600|6915|2600|||||
Line|Line1|13|2||240|2930|6915|2930|||||
Line|Line1|14|2||240|3260|6915|3260|||||
Line|Line1|15|2||240|3590|6915|3590|||||
Line|Line1|16|2||240|3920|6915|3920|||||
Line|Line1|17|2||240|4250|6915|4250|||||
Line|Line1|18|2||240|4580|6915|4580|||||
Line|Line1|19|2||240|4910|6915|4910|||||
Line|Line1|20|2||240|5240|6915|5240|||||
Line|Line1|21|2||240|5570|6915|5570|||||
Line|Line1|22|2||240|5900|6915|5900|||||
Line|Line1|23|2||240|6230|6915|6230|||||
Line|Line1|24|2||240|6560|6915|6560|||||
Line|Line1|25|2||240|7370|6915|7370|||||
Line|Line1|26|2||1300|620|1300|1610|||||
Line|Line1|27|2||1300|1940|1300|2270|||||
Line|Line1|28|2||1300|2600|1300|4250|||||
Line|Line1|29|2||1300|6560|1300|7370|||||
Line|Line1|30|2||1640|4250|1640|6560|||||
Line|Line1|31|2||2000|1610|2000|1940|||||
Line|Line1|32|2||2000|2270|2000|2600|||||
Line|Line1|33|2||2040|7370|2040|7700|||||
Line|Line1|34|2||2565|950|2565|1280|||||
Line|Line1|35|2||2695|5240|2695|6560|||||
Line|Line1|36|2||2700|2600|2700|2930|||||
Line|Line1|37|2||2958|4250|2958|5240|||||
Line|Line1|38|2||3265|950|3265|1280|||||
Line|Line1|39|2||3365|2930|3365|4250|||||
Line|Line1|40|2||3700|2600|3700|2930|||||
Line|Line1|41|2||3750|5240|3750|6560|||||
Line|Line1|42|2||3940|7370|3940|7700|||||
Line|Line1|43|2||4265|620|4265|1610|||||
Line|Line1|44|2||4265|1940|4265|2270|||||
Line|Line1|45|2||4276|4250|4276|5240|||||
Line|Line1|46|2||4565|2930|4565|4250|||||
Line|Line1|47|2||4600|2600|4600|2930|||||
Line|Line1|48|2||4805|5240|4805|6560|||||
Line|Line1|49|2||4840|7370|4840|7700|||||
Line|Line1|50|2||5365|620|5365|1610|||||
Line|Line1|51|2||5365|1940|5365|2270|||||
Line|Line1|52|2||5594|4250|5594|5240|||||
Line|Line1|53|2||5800|2600|5800|2930|||||
Line|Line1|54|2||5860|5240|5860|6560|||||
TreeView|TreeView2|-1|2||1330|2900|2500|2500|||宋体,9|hidden|
ListBox|List1|-1|2||1330|2900|2500|2000|||宋体,9|hidden|
TreeView|TreeView3|-1|2||270|1937|2690|3400|||宋体,9|hidden|
TreeView|TreeView1|-1|2||270|2597|2690|3400|||宋体,9|hidden|
Label|Label1|55|3||240|150|6675|420||矿产资源开发利用年度报告书（续）|黑体,14,b|align=2 transparent|ZN黑体,ZS18
Label|Label1|56|3||270|919|1340|188||变更情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|47|3||1670|650|5215|726|变更情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|57|3||270|1705|1340|188||费款缴纳情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|48|3||1670|1436|5215|726|费款缴纳情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|58|3||270|2491|1340|188||采矿权转让情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|49|3||1670|2222|5215|726|采矿权转让情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|59|3||270|3277|1340|188||考核及台帐情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|50|3||1670|3008|5215|726|考核及台帐情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|60|3||270|4063|1340|188||年报上报情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|51|3||1670|3794|5215|726|年报上报情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|61|3||270|4849|1340|188||综合利用情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|52|3||1670|4580|5215|726|综合利用情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|62|3||270|5635|1340|188||违法采矿情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|53|3||1670|5366|5215|726|违法采矿情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|63|3||270|6421|1340|188||上年整改情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|54|3||1670|6152|5215|726|上年整改情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Label|Label1|64|3||270|7207|1340|188||其它情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|55|3||1670|6938|5215|726|其它情况||宋体,9|multiline scroll=2 border=0|ZN宋体,ZS10.5
Shape|Shape2|2|3||240|620|6675|7074||||linewidth=2|
Line|Line1|55|3||240|1406|6915|1406|||||
Line|Line1|56|3||240|2192|6915|2192|||||
Line|Line1|57|3||240|2978|6915|2978|||||
Line|Line1|58|3||240|3764|6915|3764|||||
Line|Line1|59|3||240|4550|6915|4550|||||
Line|Line1|60|3||240|5336|6915|5336|||||
Line|Line1|61|3||240|6122|6915|6122|||||
Line|Line1|62|3||240|6908|6915|6908|||||
Line|Line1|63|3||1640|620|1640|7694|||||
