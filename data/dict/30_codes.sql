-- 综合词表: the code lists of the form combos, one run of rows per 类别 (at most 500
-- rows are loaded in total). In a 类别 whose items carry their code, all codes have the
-- same number of digits, so a stored code never matches the start of a longer one.
-- Lists shown as names only hold no blank and no digit, and a name that is part of
-- another name of its list has the lower code.

-- 1: 经济类型 (企业登记注册类型, 国统字〔1998〕200号, with 290 and 390 of the 2011
-- revision, 国统字〔2011〕86号); items carry their code
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 110, '国有企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 120, '集体企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 130, '股份合作企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 141, '国有联营企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 142, '集体联营企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 143, '国有与集体联营企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 149, '其他联营企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 151, '国有独资公司');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 159, '其他有限责任公司');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 160, '股份有限公司');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 171, '私营独资企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 172, '私营合伙企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 173, '私营有限责任公司');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 174, '私营股份有限公司');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 190, '其他企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 210, '合资经营企业(港或澳、台资)');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 220, '合作经营企业(港或澳、台资)');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 230, '港、澳、台商独资经营企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 240, '港、澳、台商投资股份有限公司');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 290, '其他港、澳、台商投资企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 310, '中外合资经营企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 320, '中外合作经营企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 330, '外资企业');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 340, '外商投资股份有限公司');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (1, 390, '其他外商投资企业');

-- 4: 开采方式; names only
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (4, 1, '露天开采');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (4, 2, '地下开采');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (4, 3, '露天地下联合开采');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (4, 4, '其他');

-- 5: 选矿方法; names only
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (5, 1, '重选');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (5, 2, '磁选');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (5, 3, '浮选');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (5, 4, '电选');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (5, 5, '化学选矿');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (5, 6, '手选');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (5, 7, '洗选');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (5, 8, '联合选矿');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (5, 9, '不选矿');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (5, 10, '其他');

-- 6: 资金来源; names only
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (6, 1, '国家预算资金');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (6, 2, '国内贷款');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (6, 3, '债券');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (6, 4, '利用外资');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (6, 5, '自筹资金');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (6, 6, '其他资金');

-- 7: 采矿方法; names only
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 1, '全面采矿法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 2, '房柱采矿法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 3, '留矿采矿法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 4, '分段矿房法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 5, '阶段矿房法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 6, '分层充填法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 7, '分段充填法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 8, '进路充填法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 9, '壁式崩落法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 10, '分层崩落法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 11, '分段崩落法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 12, '阶段崩落法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 13, '长壁采煤法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 14, '短壁采煤法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 15, '放顶煤采煤法');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 16, '露天台阶开采');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 17, '水溶开采');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 18, '溶浸开采');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 19, '钻井抽采');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (7, 20, '其他');

-- 20: 采矿权取得方式; names only, with code on the transfer form
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (20, 1, '申请在先');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (20, 2, '招标出让');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (20, 3, '拍卖出让');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (20, 4, '挂牌出让');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (20, 5, '协议出让');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (20, 6, '转让取得');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (20, 9, '其他');

-- 21: 采矿权转让方式; items carry their code
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (21, 1, '出售');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (21, 2, '作价出资');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (21, 3, '合资经营');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (21, 4, '合作经营');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (21, 5, '重组改制');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (21, 6, '企业合并');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (21, 7, '企业分立');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (21, 9, '其他');

-- 22: 价款处置方式 / 采矿权价款缴纳方式; names only, with code on the transfer form
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (22, 1, '一次性缴纳');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (22, 2, '分期缴纳');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (22, 3, '转增国家资本金');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (22, 4, '不涉及价款');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (22, 9, '其他');

-- 50: 矿山企业规模; names only
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (50, 1, '大型');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (50, 2, '中型');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (50, 3, '小型');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (50, 4, '小矿');

-- 53: 采矿权属有无争议; items carry their code
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (53, 1, '无争议');
INSERT INTO 综合词表 (类别, 代码, 名称) VALUES (53, 2, '有争议');
