#pragma once
// The help window's texts: its title, the help text (CR LF) and the captions and tooltips of
// its buttons.

#include <QString>

namespace cesuan::texts::help {

inline const QString kWindowTitle = QStringLiteral("测算 CeSuan — 帮助");

inline const QString kHelpText = QStringLiteral(
    "测算 CeSuan 使用帮助\r\n"
    "\r\n"
    "一、本软件可在常用的桌面版操作系统上运行。\r\n"
    "\r\n"
    "二、几乎每一个操作都会在状态栏中写出相应的说明，请注意阅读。\r\n"
    "\r\n"
    "三、启动后的主界面用于科学计算。算式可以很长，其中可以使用汉字、函数、变量和公式。"
    "计算结果可精确到小数点后28位，但整数位数与小数位数之和最多为29位。"
    "结果保留的小数位数用“小数位数”列表选择。\r\n"
    "\r\n"
    "四、角度有三种计量单位：\r\n"
    "　　1. 度分秒.5959：如 90.5959 表示90度59分59秒，89.5959999 则非常接近直角；\r\n"
    "　　2. 百分度.9999（十进制的度）：如 90.9999 度，89.9999999 度则非常接近直角；\r\n"
    "　　3. 弧度：2π为一周，π即180°。\r\n"
    "　　反三角函数的计算结果以当前的角度单位给出。\r\n"
    "\r\n"
    "五、可以使用9个变量，变量的值随时可以修改。较长的公式可以保存在文本文件中，"
    "使用时复制、粘贴到算式框即可。\r\n"
    "\r\n"
    "六、每次“清 零”都会把前一个算式保存在内存中，用“<--”和“-->”可以调出前一个和后一个算式，"
    "以便核对计算结果。\r\n"
    "\r\n"
    "七、更多的功能模块将随以后的版本陆续推出，敬请期待。\r\n"
    "\r\n"
    "八、抱歉：由于数值的舍入，以及大数与很小的数一起运算时小数部分的丢失，计算可能出现误差，"
    "重要的计算结果请仔细核对。\r\n");

// The topics of the help list, one per window, each with a worked example and its title as
// its first line. The first is the overview above.
inline const QString kTopicsLabel = QStringLiteral("帮助主题");
inline const QString kOverviewTitle = QStringLiteral("总说明");

inline const QString kCalculatorTitle = QStringLiteral("计算器");
inline const QString kCalculatorText = QStringLiteral(
    "计算器\r\n"
    "\r\n"
    "在算式框中输入算式，按回车键或“计 算”即得结果。结果框显示按“小数位数”保留的结果；"
    "结果的尾数不可靠时标为“约数”，状态栏说明从第几位起可能不准。改变小数位数后，已显示的结果随即按新的位数重算。\r\n"
    "\r\n"
    "键盘：Tab 键依次经过算式框、结果框、小数位数、角度单位和小键盘；在结果框中按 Ctrl+C 或用右键菜单的“复制”，"
    "复制的是干净的数值（没有对齐的空格、下划线和“约数”字样）。在结果框中输入字符则开始一个新的算式。"
    "F1 打开当前窗口的帮助主题。\r\n"
    "\r\n"
    "例：角度单位为“度分秒”时，输入\r\n"
    "　　2*sin(30)+sqrt(16)\r\n"
    "按回车，结果为 5（sin 30° = 0.5，sqrt 为开平方）。\r\n"
    "例：小数位数为 28 位时，1/3 的结果为 0.3333333333333333333333333333。\r\n");

inline const QString kVariablesTitle = QStringLiteral("修改变量");
inline const QString kVariablesText = QStringLiteral(
    "修改变量\r\n"
    "\r\n"
    "算式中可以使用 r、s、t、u、v、w、x、y、z 九个变量，默认值依次为 1 到 9。"
    "在主界面按“修改变量”打开本窗口，改好后按“保存修改”或“保存退出”。"
    "“默认为 1”把九个变量都设为 1，“默认1-9”恢复 1 到 9。\r\n"
    "\r\n"
    "例：把 r 改为 2.5 并保存，回到主界面输入\r\n"
    "　　r^2*π\r\n"
    "结果为 19.634954084936208（15 位小数），即半径 2.5 的圆面积。\r\n");

inline const QString kAnglesTitle = QStringLiteral("角度变换");
inline const QString kAnglesText = QStringLiteral(
    "角度变换\r\n"
    "\r\n"
    "在“原始角度数”框中输入角度，按六个按钮之一在弧度、百分度（十进制的度）和度分秒（D.MMSS）之间换算，"
    "结果写在“转换结果”框中。度分秒写作“度.分分秒秒”，秒的小数接在后面。\r\n"
    "\r\n"
    "例：输入 30.3045（30°30′45″），按“度分秒 ==> 百分度”，结果为 30.5125；"
    "按“度分秒 ==> 弧  度”，结果为 0.5325435880147698121588411462。\r\n");

inline const QString kBasesTitle = QStringLiteral("进制换算");
inline const QString kBasesText = QStringLiteral(
    "进制换算\r\n"
    "\r\n"
    "在“数据 1”和“数据 2”中输入数值，用进制按钮在二、八、十、十六进制之间换算；"
    "运算按钮做加、减、乘、除、乘方、求余和按位的与、或、非、异或等运算，“运算成果”按当前进制显示。\r\n"
    "\r\n"
    "例：十进制的 255 换成十六进制为 FF，换成二进制为 11111111；"
    "十六进制下 FF 乘以 10 得 FF0。\r\n");

inline const QString kStatisticsTitle = QStringLiteral("数理统计");
inline const QString kStatisticsText = QStringLiteral(
    "数理统计\r\n"
    "\r\n"
    "在数据框中每行写一组数据，各列用分隔符（默认 *）隔开；“前 N 列为序号”选择前面不参加统计的名称列数。"
    "按“统 计”，每列数据的频数、最小值、最大值、平均值、合计数、均方差、方差、变异系数等十项指标写在下面的表格中。"
    "“导 入”读入文本或 CSV 文件（UTF-8 或 GBK），“保 存”把表格和十项指标存为 CSV 文件。\r\n"
    "\r\n"
    "例：前 1 列为序号，数据为\r\n"
    "　　甲*1*2\r\n"
    "　　乙*3*4\r\n"
    "　　丙*5*9\r\n"
    "统计后第一列：频数 3，Min 1，Max 5，平均值 3，合计数 9，均方差 2；第二列：平均值 5，合计数 15。\r\n");

inline const QString kCoordinatesTitle = QStringLiteral("坐标转换");
inline const QString kCoordinatesText = QStringLiteral(
    "坐标转换\r\n"
    "\r\n"
    "在左边的文本框中每行写一个点：序号、纬度、经度、高程，用逗号隔开，经纬度写作度分秒（D.MMSS）。"
    "选好椭球（北京、西安等）和中央子午线经度后，按转换按钮，成果写在右边的文本框中。"
    "Ctrl+O 打开点文件，Ctrl+S 保存成果。\r\n"
    "\r\n"
    "例：北京坐标系，中央子午线 117 度，输入\r\n"
    "　　P1,34.3015,117.1530,50\r\n"
    "按“经纬度 -> 3度带”，得\r\n"
    "　　P1 , 3819685.107 , 39523724.576 , 50.000\r\n"
    "（X 为北向坐标，Y 前两位 39 为带号）。\r\n");

inline const QString kTransformTitle = QStringLiteral("GPS坐标转换");
inline const QString kTransformText = QStringLiteral(
    "GPS坐标转换\r\n"
    "\r\n"
    "由公共点求三参数、四参数或七参数，把参数用于其它点，并在各椭球上做大地坐标与空间直角坐标的互换。"
    "在坐标转换窗口按“GPS坐标转换”打开。\r\n"
    "\r\n"
    "公共点框每行一点：三、七参数为 点名, X1, Y1, Z1, X2, Y2, Z2（空间直角坐标，米）；四参数为 点名, x1, y1, x2, y2"
    "（平面坐标，x 北、y 东）。1 为原坐标系，2 为目标坐标系。按“计算参数”（或在框中按 Ctrl+Enter）用最小二乘求参数，"
    "右边列出参数、单位权中误差 σ0 和各点残差 v = 转换值 − 目标值；残差长度大于 3σ0 且大于 1 毫米的点标为“超限”。"
    "至少要 1、2、3 个公共点；四、七参数的点不能重合，七参数的点不能在一条直线上。\r\n"
    "\r\n"
    "七参数为布尔莎模型（坐标系旋转，小角度）：X2 = dX + (1+m)(X1 + rz·Y1 − ry·Z1)，"
    "Y2 = dY + (1+m)(−rz·X1 + Y1 + rx·Z1)，Z2 = dZ + (1+m)(ry·X1 − rx·Y1 + Z1)；"
    "四参数：x2 = dx + (1+m)(x1·cosθ − y1·sinθ)，y2 = dy + (1+m)(x1·sinθ + y1·cosθ)。旋转以秒、尺度 m 以 ppm 计。\r\n"
    "\r\n"
    "参数框中的参数可以修改，“保存参数”“读取参数”把它存入或读出一个小文本文件。待转换点框每行 点名, X, Y, Z"
    "（四参数为 点名, x, y[, 高程]），按“应用参数”得到转换后的坐标。\r\n"
    "\r\n"
    "“空间直角坐标”页：选椭球（北京、西安、WGS、CGCS2000、北京54（标准）），每行 点名, B, L, H"
    "（度.分秒，大地高）按“B L H → X Y Z”，或每行 点名, X, Y, Z 按“X Y Z → B L H”。"
    "WGS84 经纬度 → XYZ → 七参数 → XYZ → 北京54 经纬度 → 坐标转换窗口的高斯投影，即得北京54 平面坐标。\r\n"
    "\r\n"
    "例：打开窗口时的六个公共点（WGS84 到北京54 的空间直角坐标），选七参数，按“计算参数”，得\r\n"
    "　　dX = 16.3714 米，dY = -148.1509 米，dZ = -86.0439 米，\r\n"
    "　　rx = 0.397364 秒，ry = -1.206188 秒，rz = 2.121704 秒，尺度 = -4.238273 ppm，\r\n"
    "　　σ0 = 0.0022 米，没有超限点。\r\n"
    "再按“应用参数”，A01 转换为\r\n"
    "　　A01, -2294984.0521, 4345824.8100, 4051511.9985\r\n");

inline const QString kBearingTitle = QStringLiteral("距离方位");
inline const QString kBearingText = QStringLiteral(
    "距离方位\r\n"
    "\r\n"
    "每行一个点：序号、X（北）、Y（东）、H（高程），用逗号隔开。选择作为原点的点号，按“进行计算”，"
    "得到其它各点到原点的平距、水平角（真北为 0 度，度分秒）、斜距和仰俯角。\r\n"
    "\r\n"
    "例：输入\r\n"
    "　　A,100,100,10\r\n"
    "　　B,200,200,20\r\n"
    "以 A 为原点计算，B 的平距为 141.421 米，水平角 45 度，斜距 141.774 米，仰角 4.024089（4°02′40.89″）。\r\n"
    "\r\n"
    "勾选“大地线（经纬度）”并选好椭球后，每行为序号、纬度 B、经度 L（度分秒，H 不用），"
    "表中给出原点到各点的大地线长（米，4 位小数）、原点处的方位角和该点处指回原点的反方位角（度分秒，8 位小数）。\r\n");

inline const QString kAreaTitle = QStringLiteral("计算面积");
inline const QString kAreaText = QStringLiteral(
    "计算面积\r\n"
    "\r\n"
    "每行一个界址点：序号、X（北）、Y（东），用逗号隔开，按地块边界的顺序排列，顺时针或逆时针均可；"
    "末点与首点相同时视为闭合，只算一次。按“计算面积”，得到面积（平方米、亩、公顷）、周长和点的顺序方向。"
    "1 亩 = 10000/15 平方米。边界自相交时结果中会特别注明，此时的面积仅供参考。\r\n"
    "\r\n"
    "例：输入\r\n"
    "　　J1,3000,5000\r\n"
    "　　J2,3040,5000\r\n"
    "　　J3,3040,5025\r\n"
    "　　J4,3000,5025\r\n"
    "得面积 1000.000 平方米，即 1.5000 亩、0.100000 公顷，周长 130.000 米，顺时针。\r\n");

inline const QString kForwardTitle = QStringLiteral("坐标正算（放样）");
inline const QString kForwardText = QStringLiteral(
    "坐标正算（放样）\r\n"
    "\r\n"
    "填好测站的 X、Y（H 可空），每行一条边：点名、方位角（度分秒）、距离（米），可再加竖直角（度分秒）；"
    "有竖直角时距离为斜距，平距 D = S·cosV，高差 dH = S·sinV。“由测站放射”时每点都从测站算起；"
    "“逐边推算”时每条边从上一点算起（支导线），方位角为该边的方位角。测站有 H 时给出各点高程。\r\n"
    "\r\n"
    "例：测站 X 3000、Y 5000、H 50，输入\r\n"
    "　　P1,45,100\r\n"
    "　　P3,180.3,80,2.3\r\n"
    "由测站放射计算，P1 为 3070.711 , 5070.711 , 50.000；"
    "P3（方位角 180°30′，斜距 80 米，仰角 2°30′）为 2920.079 , 4999.303 , 53.490。\r\n");

inline const QString kAttitudeTitle = QStringLiteral("面体产状");
inline const QString kAttitudeText = QStringLiteral(
    "面体产状\r\n"
    "\r\n"
    "每行一个点：序号、X（北）、Y（东）、H（高程）。选择起始点号，程序用它和向下的两个点确定一个面，"
    "给出面的方程、走向、倾向和倾角（度分秒），以及三点的可信度（接近 0 表示三点近似在一条直线上）。\r\n"
    "\r\n"
    "例：输入\r\n"
    "　　A,0,0,100\r\n"
    "　　B,100,0,100\r\n"
    "　　C,0,100,42.265\r\n"
    "从 A 起计算：走向 0 度，倾向 90 度（向东），倾角 29.595996，即约 30 度。\r\n");

inline const QString kRegressionTitle = QStringLiteral("线性回归");
inline const QString kRegressionText = QStringLiteral(
    "线性回归\r\n"
    "\r\n"
    "在数据框中每行写一组数据，规则与数理统计相同：各列用分隔符（默认 *）隔开，“前 N 列为序号”选择前面的名称列数。"
    "选好 x 和 y 各为第几列数字、多项式的次数（1、2 或 3 次），按“回 归”即按最小二乘法求出 y 对 x 的回归多项式："
    "各系数及其标准误差、相关系数 r、决定系数 r²、剩余标准差 s。在“预测 x =”中输入一个 x 值，"
    "同时给出回归曲线上的 y 及其 95% 预测区间（一次新观测值以 95% 的概率落在其中）。"
    "只有 x 和 y 都是数字的行参加计算。估计值只保留标准误差允许的位数。"
    "右边的图画出数据点和回归曲线。Ctrl+O 或“导 入”读入文本或 CSV 文件。\r\n"
    "\r\n"
    "例：前 1 列为序号，x 为第1列、y 为第2列数字，数据为\r\n"
    "　　例1*1*2.1　例2*2*3.9　例3*3*6.2　例4*4*7.8　例5*5*10.1　例6*6*12.2　例7*7*13.8\r\n"
    "1 次回归得 b0 = 0.07（标准误差 0.16），b1 = 1.986（标准误差 0.036），r = 0.999172912755884，s = 0.191；"
    "x = 8 时 y = 15.96 ± 0.64（95% 预测区间 15.31 … 16.60）。\r\n"
    "命令行：cesuan-cli regress --degree 1 --json 数据.txt\r\n");

// Added to the topic of every window that shows a picture beside its results.
inline const QString kPictureNote = QStringLiteral(
    "\r\n"
    "图：结果旁的图随结果一起更新。滚轮缩放，按住左键拖动平移，双击还原；鼠标所指位置的坐标写在图的左下角。"
    "右键菜单“保存图片…”存为 PNG 或 SVG 文件，“复制图片”复制到剪贴板。\r\n");

inline const QString kNumberSplitTitle = QStringLiteral("数的分解");
inline const QString kNumberSplitText = QStringLiteral(
    "数的分解\r\n"
    "\r\n"
    "在“原数”框中输入一个数，按“运  行”，把它分解为整数部分和小数部分（小数部分写出小数点后的数字）。\r\n"
    "\r\n"
    "例：原数 12345.678，整数部分为 12345，小数部分为 678。\r\n");

inline const QString kMatrixTitle = QStringLiteral("矩阵计算");
inline const QString kMatrixText = QStringLiteral(
    "矩阵计算\r\n"
    "\r\n"
    "在“矩阵 A”（需要时还有“矩阵 B”）中每行输入矩阵的一行：数之间用空格隔开；一行中有逗号或 Tab 时，"
    "用逗号或 Tab 分隔，这时空格留在数里。每个数都可以是算式，与计算器的写法、小数位数、角度单位和变量相同。"
    "矩阵最大 50×50。选择运算后按“计 算”（Ctrl+Enter）：和、差、积、转置、行列式、逆矩阵、秩、解方程 AX = B，"
    "以及对称矩阵的特征值（从小到大）和特征向量。\r\n"
    "\r\n"
    "奇异矩阵没有逆矩阵，会说明它的秩和条件数；条件数很大（病态矩阵）时，输入数据的微小误差会被放大，"
    "结果只保留可信的有效数字，状态栏给出条件数。大矩阵在后台计算，可以取消。\r\n"
    "\r\n"
    "例：矩阵 A 为\r\n"
    "　　4  1  1\r\n"
    "　　1  3  0\r\n"
    "　　1  0  2\r\n"
    "行列式 det A = 19；矩阵 B 为 6、4、3（一列）时，解方程 AX = B 得 X = 1、1、1。\r\n");

inline const QString kEquationsTitle = QStringLiteral("解多元方程");
inline const QString kEquationsText = QStringLiteral(
    "解多元方程\r\n"
    "\r\n"
    "每行写一个一次方程，如 2x+3y-z=5，也可以写汉字：3x加y减z等于2。每行在唯一的等号（= 或 等于）处分开，"
    "两边按计算器的规则计算；未知数是字母 r～z，不管变量中存着什么值。也可以不写等号，"
    "把增广矩阵 [A | b] 每行一行输入（最后一列是常数项）。按“求 解”（Ctrl+Enter）。\r\n"
    "\r\n"
    "结果是唯一解，或者“无解”“无穷多解”，并给出系数矩阵和增广矩阵的秩。方程多于未知数而无解时，"
    "选中“求最小二乘解”，得到使残差平方和最小的解、各方程的残差和单位权中误差（测量平差）。\r\n"
    "\r\n"
    "例：\r\n"
    "　　2x+3y-z=5\r\n"
    "　　x-y+2z=5\r\n"
    "　　3x加y减z等于2\r\n"
    "的唯一解为 x = 1，y = 2，z = 3。\r\n");

inline const QString kErrorsTitle = QStringLiteral("误差计算");
inline const QString kErrorsText = QStringLiteral(
    "误差计算\r\n"
    "\r\n"
    "同精度观测：输入对同一个量的多次观测值（空格、逗号或换行隔开，每个值可以是算式），按“计 算”，"
    "得到算术平均值、观测值中误差 m = ±√([vv]/(n−1))、平均值中误差 m/√n、相对中误差 1/N"
    "（N = 平均值 ÷ 平均值中误差，取整），以及改正数 v；改正数的绝对值超过 3m 的观测值（从1数起）可能含有粗差。\r\n"
    "\r\n"
    "例：某水平角观测六个测回，秒数为 30、26、28、24、25、23，平均值为 26，m = ±2.6，平均值中误差为 ±1.1。\r\n"
    "\r\n"
    "误差传播：输入函数式（变量是字母 r～z），每行写一个变量“x=观测值±中误差”（± 也可写成 +-），按“计 算”。"
    "按误差传播定律 m = ±√Σ(∂f/∂x·mₓ)² 求函数值和它的中误差，偏导数用数值微分求得；"
    "并列出各变量的偏导数、影响和在 m² 中所占的百分比。中误差与观测值的单位相同，角度按当前的角度单位。\r\n"
    "\r\n"
    "例：矩形的面积 x*y，x=125.36±0.02，y=86.43±0.03，面积为 10834.8648，中误差 ±4.139，"
    "其中 y 的误差占 82.6%。\r\n");

inline const QString kDerivativeTitle = QStringLiteral("微分计算");
inline const QString kDerivativeText = QStringLiteral(
    "微分计算\r\n"
    "\r\n"
    "输入 x 的函数式 f(x)，写法与主窗口相同：x 是记忆变量 x，其他记忆变量保持原值，小数位数和角度单位也与主窗口相同。"
    "填入求导点 x₀（可以是算式），选择一阶或二阶导数，按“计 算”（或回车）。导数用中心差商的 Richardson 外推求得，"
    "同时给出误差估计，结果只保留误差估计所支持的有效数字。\r\n"
    "\r\n"
    "导数按所输入的 x 的单位计：角度单位为十进制度时，sin(x) 的导数是每度的变化量。度分秒（D.MMSS）不是线性的刻度，"
    "不能求导，请先改换角度单位。计算 f(x) 时出现的提示（如“为无穷大”）只显示一次，并注明出现的次数。\r\n"
    "\r\n"
    "右边的图画出 x₀ 附近的 f(x) 和它在 x₀ 处的切线。计算时间较长时会出现进度框，可以按“取消”停止。\r\n"
    "\r\n"
    "例：f(x) = x^3-2*x，x₀ = 1.5，一阶导数为 4.75，二阶导数为 9。\r\n");

inline const QString kIntegralTitle = QStringLiteral("积分计算");
inline const QString kIntegralText = QStringLiteral(
    "积分计算\r\n"
    "\r\n"
    "输入 x 的函数式 f(x)，写法与主窗口相同：x 是记忆变量 x，其他记忆变量保持原值，小数位数和角度单位也与主窗口相同。"
    "填入下限 a 和上限 b（可以是算式，也可以是 ∞、-∞ 或 inf、-inf），按“计 算”（或回车）。"
    "定积分用自适应 Gauss–Kronrod 求积，同时给出误差估计，结果只保留误差估计所支持的有效数字；"
    "端点处的奇点（如 ∫₀¹ 1/x^0.5 dx）可以处理，发散的积分会说明原因。度分秒不能积分。\r\n"
    "\r\n"
    "注意：本程序中 −x^2 是 (−x)^2，所以 e^(−x²) 要写成 1/ε^(x^2)。\r\n"
    "\r\n"
    "右边的图画出 f(x) 并把积分面积涂上颜色（无穷区间只画出有限的一段）。计算时间较长时会出现进度框，可以按“取消”停止。\r\n"
    "\r\n"
    "例：∫₀^π sin(x) dx = 2；∫₀^∞ 1/ε^(x^2) dx = 0.886226925452758（即 √π/2）。\r\n");

// Buttons: an outside organisation, then the maker's platform, trading site and community.
inline const QString kPartner = QStringLiteral("合作伙伴");
inline const QString kTipPartner = QStringLiteral("向合作伙伴问好！");
inline const QString kPlatform = QStringLiteral("==> 测算网络平台");
inline const QString kTrading = QStringLiteral("==> 测算交易网");
inline const QString kTipTrading = QStringLiteral("你的浏览器安装了中文网址，才可正确访问该页。");
inline const QString kCommunity = QStringLiteral("==> 测算社区");
inline const QString kCalculator = QStringLiteral("返回  主程序");
// Every function window's context menu (Ctrl+M): brings the calculator back.
inline const QString kBackToCalculator = QStringLiteral("返回主程序");

}  // namespace cesuan::texts::help
