# CheckTab: 矿产资源开发利用年度报告书 (kind 7). Generated layout; geometry in twips.
# type|name|index|page|container|left|top|width|height|field|caption|font|props|tag
@form|CheckTab|7|矿产资源开发利用年度报告书
@page|0|7155|7845|
@page|1|7155|7845|
@page|2|7155|7845|
@page|3|7155|7845|
Label|Label1|0|0||240|1500|6675|720||矿产资源开发利用年度报告书|黑体,22,b|align=2 transparent|ZN黑体,ZS36
Label|Label1|1|0||2300|2500|300|420||（|黑体,16|align=1 transparent|ZN黑体,ZS16
TextBox|ChTXT|56|0||2640|2500|1200|420|年检年度||黑体,16|align=2 maxlen=4|ZN黑体,ZS16
Label|Label1|2|0||3900|2500|1000|420||年度）|黑体,16|transparent|ZN黑体,ZS16
Label|Label1|3|0||900|4000|1860|360||申请人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|0|0||2820|4000|3450|360|申请人||宋体,12||X,ZN宋体,ZS12
Label|Label1|5|0||900|4540|1860|360||矿山名称：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|1|0||2820|4540|3450|360|矿山名称||宋体,12||X,ZN宋体,ZS12
Label|Label1|6|0||900|5080|1860|360||法定代表人：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|2|0||2820|5080|3450|360|法定代表人||宋体,12||X,ZN宋体,ZS12
Label|Label1|7|0||900|5620|1860|360||填表日期：|宋体,12|align=1 transparent|ZN宋体,ZS14
TextBox|ChTXT|3|0||2820|5620|3450|360|填表日期||宋体,12||X,ZN宋体,ZS12
Label|lblHead|0|1||240|450|6675|600||填  表  说  明|黑体,18,b|align=2 transparent|ZN黑体,ZS22
Label|lblHead|1|1||360|1350|1500|300||年检年度|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|1|1||1920|1350|4995|300||填写所报告的年度，如2004。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|2|1||360|1800|1500|300||申请人|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|2|1||1920|1800|4995|570||填写申请单位全称（与营业执照一致）或申请人姓名。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|3|1||360|2520|1500|300||矿山名称|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|3|1||1920|2520|4995|300||填写矿山的全称，与有关批准文件一致。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|4|1||360|2970|1500|300||发证机关|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|4|1||1920|2970|4995|570||点击“>>”按钮从行政区列表中选取采矿许可证发证机关，名称自动填入。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|5|1||360|3690|1500|300||所在行政区|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|5|1||1920|3690|4995|570||填写矿山所在地的六位行政区划代码，可点击“>>”按钮从行政区列表中选取。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|6|1||360|4410|1500|300||主采矿种|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|6|1||1920|4410|4995|570||点击下拉按钮从矿种列表中选取，也可输入矿种名称中的文字进行查找。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|7|1||360|5130|1500|300||数值栏目|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|7|1||1920|5130|4995|570||只填写数字，计量单位见栏目后的说明；比率以百分数填写。|宋体,10.5|transparent|ZN宋体,ZS12
Label|lblHead|8|1||360|5850|1500|300||填表日期|黑体,10.5,b|transparent|ZN黑体,ZS12
Label|lblExplain|8|1||1920|5850|4995|570||按“年-月-日”的格式填写，如2004-05-18。|宋体,10.5|transparent|ZN宋体,ZS12
Label|Label1|8|2||240|150|6675|420||矿产资源开发利用年度报告书|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|0|2||240|630|6915|630|||||
Label|Label1|9|2||240|720|780|300||矿山名称|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ExistTXT|0|2||1065|720|2437|300|矿山名称||宋体,9||ZN宋体,ZS12
Label|Label1|10|2||3652|720|780|300||许可证号|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|7|2||4477|720|2437|300|许可证号||宋体,9||ZN宋体,ZS12
Label|Label1|11|2||240|1065|420|300||电话|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|4|2||705|1065|1660|300|电话||宋体,9||ZN宋体,ZS12
Label|Label1|12|2||2515|1065|420|300||邮编|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|6|2||2980|1065|1660|300|邮编||宋体,9||ZN宋体,ZS12
Label|Label1|13|2||4790|1065|780|300||经济类型|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|0|2||5615|1065|1300|300|经济类型||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|14|2||240|1410|420|300||地址|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|5|2||705|1410|3885|300|地址||宋体,9||ZN宋体,ZS12
Label|Label1|15|2||4740|1410|780|300||有效期限|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|12|2||5565|1410|1080|300|有效期限||宋体,9||ZN宋体,ZS12
Label|Label1|16|2||6675|1410|240|300||年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|4|2||240|1755|1680|300||采矿许可证发证机关|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|8|2||1965|1755|1000|300|发证机关编码||宋体,9|maxlen=6|ZN宋体,ZS12
CommandButton|CommandXZQ2|-1|2||2995|1755|400|285||>>|宋体,9||
TextBox|ChTXT|9|2||3425|1755|3490|300|发证机关名称||宋体,9||ZN宋体,ZS12
TreeView|TreeView3|-1|2||240|2060|2755|3400|||宋体,9|hidden|
Label|Label1|17|2||240|2100|780|300||有效期起|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|10|2||1065|2100|1300|300|有效期起||宋体,9||ZN宋体,ZS12
Label|Label1|18|2||2515|2100|780|300||有效期止|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|11|2||3340|2100|1300|300|有效期止||宋体,9||ZN宋体,ZS12
Label|Label1|19|2||4790|2100|780|300||开采方式|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|1|2||5615|2100|1300|300|开采方式||宋体,9|style=0|ZN宋体,ZS12
Label|LabelTree|1|2||240|2445|960|300||所在行政区|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|42|2||1245|2445|1000|300|所在行政区||宋体,9|maxlen=6|ZN宋体,ZS12
CommandButton|CommandXZQ|-1|2||2275|2445|400|285||>>|宋体,9||
TextBox|ChTXT|43|2||2705|2445|4210|300|所在行政区名称||宋体,9||ZN宋体,ZS12
TreeView|TreeView1|-1|2||240|2750|2035|3400|||宋体,9|hidden|
Label|LabelTree|0|2||240|2790|780|300||主采矿种|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|2|2||1065|2790|1300|300|开采主矿种||宋体,9|style=0|Y,ZN宋体,ZS12
Label|Label1|20|2||2515|2790|1140|300||其它主矿种|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|37|2||3700|2790|940|300|其它主矿种||宋体,9||ZN宋体,ZS12
Label|Label1|21|2||4790|2790|1140|300||矿山企业规模|宋体,9|transparent|ZN宋体,ZS10.5
ComboBox|ChCBO|3|2||5975|2790|940|300|矿山企业规模||宋体,9|style=0|ZN宋体,ZS12
Label|Label1|22|2||240|3135|780|300||设计年限|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|40|2||1065|3135|1030|300|设计年限||宋体,9||ZN宋体,ZS12
Label|Label1|23|2||2125|3135|240|300||年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|24|2||2515|3135|1140|300||尚可服务年限|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|41|2||3700|3135|670|300|尚可服务年限||宋体,9||ZN宋体,ZS12
Label|Label1|25|2||4400|3135|240|300||年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|26|2||4790|3135|1140|300||采矿权负责人|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|44|2||5975|3135|940|300|采矿权负责人||宋体,9||ZN宋体,ZS12
Label|Label1|27|2||240|3480|960|300||设计规模|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|38|2||1245|3480|1327|300|设计规模||宋体,9||ZN宋体,ZS12
Label|LabelGM|0|2||2602|3480|900|300||万吨/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|28|2||3652|3480|1140|300||实际开采能力|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|39|2||4837|3480|1147|300|实际开采能力||宋体,9||ZN宋体,ZS12
Label|LabelGM|7|2||6014|3480|900|300||万吨/年|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|29|2||240|3825|960|300||年产矿石量|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|13|2||1245|3825|1327|300|年产矿石量||宋体,9||ZN宋体,ZS12
Label|LabelGM|1|2||2602|3825|900|300||万吨|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|30|2||3652|3825|1140|300||工业总产值|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|14|2||4837|3825|1147|300|工业总产值||宋体,9||ZN宋体,ZS12
Label|LabelGM|2|2||6014|3825|900|300||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|31|2||240|4170|960|300||年销售收入|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|15|2||1245|4170|1327|300|年销售收入||宋体,9||ZN宋体,ZS12
Label|LabelGM|3|2||2602|4170|900|300||万元|宋体,9|transparent|ZN宋体,ZS10.5
Label|Label1|32|2||3652|4170|1140|300||采矿权人日期|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|45|2||4837|4170|2077|300|采矿权人日期||宋体,9||ZN宋体,ZS12
TreeView|TreeView2|-1|2||1065|3090|2500|2500|||宋体,9|hidden|
ListBox|List1|-1|2||1065|3090|2500|2000|||宋体,9|hidden|
Label|Label1|33|2||1585|4515|1310|300||设计|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|34|2||2925|4515|1310|300||实际|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|35|2||4265|4515|1310|300||核定|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|36|2||5605|4515|1310|300||核定实际|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|37|2||240|4860|1300|300||回采率（%）|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|16|2||1585|4860|1310|300|设计回采率||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|17|2||2925|4860|1310|300|实际回采率||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|18|2||4265|4860|1310|300|核定回采率||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|19|2||5605|4860|1310|300|核定实际回采率||宋体,9|align=1|ZN宋体,ZS12
Label|Label1|38|2||240|5205|1300|300||回收率（%）|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|20|2||1585|5205|1310|300|设计回收率||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|21|2||2925|5205|1310|300|实际回收率||宋体,9|align=1|ZN宋体,ZS12
Label|Label1|39|2||1585|5550|1042|300||应缴|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|40|2||2657|5550|1042|300||减免|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|41|2||3729|5550|1042|300||实缴|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|42|2||4801|5550|1042|300||当年欠缴|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|43|2||5873|5550|1042|300||累计欠缴|宋体,9|align=2 transparent|ZN宋体,ZS10.5
Label|Label1|44|2||240|5895|1300|300||补偿费（万元）|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|22|2||1585|5895|1042|300|应缴补偿费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|23|2||2657|5895|1042|300|减免补偿费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|24|2||3729|5895|1042|300|实缴补偿费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|25|2||4801|5895|1042|300|当年欠缴补偿费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|26|2||5873|5895|1042|300|累计欠缴补偿费||宋体,9|align=1|ZN宋体,ZS12
Label|Label1|45|2||240|6240|1300|300||使用费（万元）|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|27|2||1585|6240|1042|300|应缴使用费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|28|2||2657|6240|1042|300|减免使用费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|29|2||3729|6240|1042|300|实缴使用费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|30|2||4801|6240|1042|300|当年欠缴使用费||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|31|2||5873|6240|1042|300|累计欠缴使用费||宋体,9|align=1|ZN宋体,ZS12
Label|Label1|46|2||240|6585|1300|300||价款（万元）|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|32|2||1585|6585|1042|300|应缴价款||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|33|2||2657|6585|1042|300|减免价款||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|34|2||3729|6585|1042|300|实缴价款||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|35|2||4801|6585|1042|300|当年欠缴价款||宋体,9|align=1|ZN宋体,ZS12
TextBox|ChTXT|36|2||5873|6585|1042|300|累计欠缴价款||宋体,9|align=1|ZN宋体,ZS12
Label|Label1|47|2||240|6930|1500|620||开发方案实施情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|46|2||1785|6930|5130|620|开发方案实施情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|48|3||240|150|6675|420||矿产资源开发利用年度报告书（续）|黑体,15,b|align=2 transparent|ZN黑体,ZS18
Line|Line1|1|3||240|630|6915|630|||||
Label|Label1|49|3||240|720|1500|680||变更情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|47|3||1785|720|5130|680|变更情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|50|3||240|1460|1500|680||费款缴纳情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|48|3||1785|1460|5130|680|费款缴纳情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|51|3||240|2200|1500|680||采矿权转让情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|49|3||1785|2200|5130|680|采矿权转让情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|52|3||240|2940|1500|680||考核及台帐情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|50|3||1785|2940|5130|680|考核及台帐情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|53|3||240|3680|1500|680||年报上报情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|51|3||1785|3680|5130|680|年报上报情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|54|3||240|4420|1500|680||综合利用情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|52|3||1785|4420|5130|680|综合利用情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|55|3||240|5160|1500|680||违法采矿情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|53|3||1785|5160|5130|680|违法采矿情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|56|3||240|5900|1500|680||上年整改情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|54|3||1785|5900|5130|680|上年整改情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
Label|Label1|57|3||240|6640|1500|680||其它情况|宋体,9|transparent|ZN宋体,ZS10.5
TextBox|ChTXT|55|3||1785|6640|5130|680|其它情况||宋体,9|multiline scroll=2|ZN宋体,ZS10.5
