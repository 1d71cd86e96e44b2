#pragma once
// The calculator window's own texts: captions, tooltips, status texts, the example
// formulas of the history with their reference results, and the keypad.

#include <QString>
#include <QStringList>

#include <array>

namespace cesuan::texts::main {

inline const QString kWindowTitle = QStringLiteral("测算 CeSuan — 科学计算器");
inline const QString kProductName = QStringLiteral("测算 CeSuan");
inline const QString kVersion = QStringLiteral("8.01");

// Tooltips.
inline const QString kTipFormula = QStringLiteral("建议将常用公式存入一文本文件中，使用时复制到此处。");
inline const QString kTipResult = QStringLiteral("运算结果显示在此处，尾部用__补齐小数位数。");
inline const QString kTipStatus = QStringLiteral("状态栏---对当前功能的解释、说明");
inline const QString kTipSlot = QStringLiteral("当前算式的序号");
inline const QString kTipPlaces = QStringLiteral("小数位数");
inline const QString kTipAngleUnit =
    QStringLiteral("角度的计量单位--度分秒.5959、弧度和百分度.9999。另外[梯度进制]参见[角度变换]模块。");
inline const QString kTipVersion = QStringLiteral("随着软件升级，功能模块逐步增加，欢迎下载最新版本。");
inline const QString kTipEquals = QStringLiteral("计算结果");

// The status box at start.
inline const QString kStatusAtStart =
    QStringLiteral("说明：汉字下的括号、除号、乘号、点号等自动可以转换为算式用的\r\n"
                   "符号，无用的符号和汉字将被删除。eg:-。2除-3 =>(-0.2)/(-3)\r\n");

// Command buttons.
inline const QString kStatistics = QStringLiteral("数理统计");
inline const QString kAngles = QStringLiteral("角度变换");
inline const QString kBases = QStringLiteral("进制换算");
inline const QString kCommunity = QStringLiteral("测算社区");
inline const QString kCoordinates = QStringLiteral("坐标转换");
inline const QString kBearing = QStringLiteral("距离方位");
inline const QString kAttitude = QStringLiteral("面体产状");
inline const QString kLatestVersion = QStringLiteral("最新版本");
inline const QString kClear = QStringLiteral("清 零");
inline const QString kCompute = QStringLiteral("计 算");
inline const QString kBack = QStringLiteral("<--");
inline const QString kForward = QStringLiteral("-->");
inline const QString kEditVariables = QStringLiteral("修改变量");
inline const QString kHelp = QStringLiteral("帮 助");
inline const QString kEquals = QStringLiteral("=");

// The result box's context menu.
inline const QString kCopy = QStringLiteral("复制");
inline const QString kSelectAll = QStringLiteral("全选");

// Compute.
inline const QString kComputing = QStringLiteral("正在计算，因计算步骤复杂，可能需要一段时间，请稍等。。。。。。");
inline const QString kComputeNotice = QStringLiteral(
    "\u3000\u3000请在重要计算时仔细核对运算成果，多次运算后尾部采用近似值表示。如有计算错误，给您带来不便请谅解，本人不承担法律责任。");
inline QString approximateNotice(int firstUnreliableDigit) {
    return QStringLiteral("在运算中，某函数运算结果的有效数字较少，经混合运算后，可能从第") +
           QString::number(firstUnreliableDigit) + QStringLiteral("位有效数字后不能满足精度要求，后部应于删除。");
}
// The first line of the status box when characters of the formula were left out.
inline QString ignoredNotice(const QString& characters) {
    QStringList each;
    for (const QChar c : characters) each.append(QString(c));
    return QStringLiteral("以下字符未能计入算式，已忽略：") + each.join(u'、');
}
inline const QString kApproximate = QStringLiteral("约数");
inline const QString kSeriousError = QStringLiteral("算式中存在严重错误，请查找原因，修改算式后再计算。");
inline const QString kErrorResult = QStringLiteral("Error");

// Clear, history, variables, angle unit.
inline const QString kRightAngle = QStringLiteral(
    "直角可表示为90度0分0秒(90.0000度)、90.0000百分度、π/2（=1.570796327）。45度59分59.99秒可表示为45.595999度(60进制)。");
inline const QString kEditVariablesStatus = QStringLiteral(
    "一个直角可表示为90度0分0秒(90.0000度)、90.0000百分度、π/2（=1.570796327）。45度59分59.99秒可表示为45.595999度(60进制)。");
inline const QString kHistoryBackStatus = QStringLiteral("向前显示已经存储的算式，以便你重复利用算式进行计算。");
inline const QString kHistoryForwardStatus = QStringLiteral("向后显示已经存储的算式，以便你重复利用算式进行计算。");
inline const QString kCycleUnitStatus = QStringLiteral(
    "循环改变角度的计量单位--度分秒.5959、弧度和百分度.9999。混合计算时要保持角度单位相同，角度相加减时不要使用度分秒.5959格式。");
inline const QString kRadianCaption = QStringLiteral("弧度角");
inline const QString kDecimalDegreeCaption = QStringLiteral("百分度.9999");
inline const QString kDmsCaption = QStringLiteral("度分秒.5959");
inline const QString kPlacesStatus = QStringLiteral("选择计算结果保留的小数位数（0 - 28 位）。");
inline QString moduleComing(const QString& name) {
    return QStringLiteral("[") + name + QStringLiteral("]模块即将推出，敬请期待。");
}

// The example formulas of history slots 1..18.
inline const std::array<QString, 18> kExamples = {
    QStringLiteral("示例  -1。115671/-5.0432123478加3。33123-4。444+(-5。53456*-2.0123456+8。8880123)\\-3.3456"),
    QStringLiteral("示例  -1。123^3-(4。4441-5。5554%)^-8。8881-3.7!/567.37143"),
    QStringLiteral("示例  -1-2.0034521除3.0023417+33-44"),
    QStringLiteral("示例  -3+（1乘2-1）除4-sin-45.595999+(cos-45.595999-tan-45.595999)*5+cot-45.595999/3"),
    QStringLiteral("示例  arcsin(-0.456789321)+arccos(-0.123456789)-arctan(-1.456789321)+arccot(-2.234567891)"),
    QStringLiteral("示例  sh ( +2.0123 ) +sh ( -2 ) +ch ( -2.1 ) -th ( -2.34 ) -cth ( -1.234 ) "),
    QStringLiteral("示例   sec ( 23.45599 ) -csc ( 34.595987 ) -arcsec ( -2.0123 ) +arccsc ( -3.016789 ) "),
    QStringLiteral("示例   ( lg ( 6.234 )  / lg ( 0.24531231 )  ) -ln ( 1.3456317 ) +lg ( 6.345210 ) "),
    QStringLiteral("示例  sin(45.555555)+cos(145.555555)-tan(45.555555555)-cot(-45.555555555)"),
    QStringLiteral("示例  -0。11 加  [ 2.2 - 3。3 ]  乘以 -2 _  ( 5.5 - 6.6 + 7.7 )  除 -9 "),
    QStringLiteral("示例  -23.123e25*5 + 1.23456e12*1.2e1-1.111111111111111111122222222222222222222333333333e3/12345"),
    QStringLiteral("示例  12.234e12*45^3.00012+2.1234321e134/987654321^1.001"),
    QStringLiteral("示例  计算直角三角型的弦长  （r^2 + s^2) ^ 0.5"),
    QStringLiteral("示例  计算圆的面积  π* r^2 "),
    QStringLiteral("示例  计算球的体积  4/3 * π * r^3 "),
    QStringLiteral("示例  计算圆锥的体积  1/3 * π * r^2 * t "),
    QStringLiteral("示例采用弧度制 ( 0.000000005 + 0.00000006 - 123.0004567 )  * 0.00012345 / 167.234567 \\ 234.12 *  ( 1 / "
                   "0.00123 ) % + 12! - 0.234 ^ 1.01765 ^ 9 ^  ( 1 / 2 )  ^  ( 1 / 3 )  ^  ( 1 / 7 ) -sin ( 1.5959 )  * cos "
                   "( 0.5959 ) +tan ( 1.5969) -cot ( 3.5856543 ) + π - ε - 1e-28 "),
    QStringLiteral("示例   r * s * t * u * v * w * x * y * z "),
};

// The reference results the history buttons show for slots 1..18 ("<--" and "-->" differ
// for slot 9 only); other slots show one blank.
inline const std::array<QString, 18> kReferences = {
    QStringLiteral("2.4059120570021821219456683533"),
    QStringLiteral("-1.458550153546744806316377515"),
    QStringLiteral("-12.667296497264118870946634755"),
    QStringLiteral("6.29838657043613382880812183  角度用度分秒格式时计算"),
    QStringLiteral("281.33504626506799595771344781  用百分度格式时得到的正确值"),
    QStringLiteral("6.35768161559461"),
    QStringLiteral("-139.339136444862   用度分秒格式时得到的错误值--验证用"),
    QStringLiteral("-0.796714777859288"),
    QStringLiteral("度分秒 -0.174953980558103538960814575     百分度 -0.1495352280195320427937116182"),
    QStringLiteral(" 2.8233333333333333333333333333"),
    QStringLiteral(" -1156149999999985185280000000.1"),
    QStringLiteral(" 2.10590514306334E+125"),
    QStringLiteral(" "),
    QStringLiteral(" "),
    QStringLiteral(" "),
    QStringLiteral(" "),
    QStringLiteral("约数        479001558.464642617773159716"),
    QStringLiteral(" 362880 "),
};
inline const QString kReference9Forward =
    QStringLiteral("度分秒 -0.174953980558103538960814578     百分度 -0.149535228019532042793711622");
inline const QString kNoReference = QStringLiteral(" ");

// --- The keypad -------------------------------------------------------------------------

struct Key {
    const char16_t* caption;
    const char16_t* inserted;  // nullptr for "F-E" and "随机数", which act differently
    int caretMove;
    const char16_t* explanation;
};

inline constexpr const char16_t* kOrderOdd =
    u"  运算顺序为括号()--变量r等--函数sin等--阶乘!百分数%--乘方^--乘*除/余\\--加+减-。";
inline constexpr const char16_t* kDigitsEven = u"  加减乘除等运算后==>29位有效数字；反三角函数、对数函数等运算后==>15位有效数字。";
inline constexpr const char16_t* kBrackets =
    u"[括号]必须成对使用，汉字下的括号也可以使用。运算顺序为括号()--变量r等--函数sin等--阶乘!百分数%--乘方^--乘除余--加减。";
inline constexpr const char16_t* kVariable =
    u"  内存变量--共有九个，你可以修改它，并且编入公式中参加计算。例如：(r^2+s^2)^0.5   (r+s+t+u+v+w)/6 ";

// Keys 1..60 (index 0 is key 1).
inline constexpr std::array<Key, 60> kKeys = {{
    {u"1", u"1", 1, kOrderOdd},
    {u"2", u"2", 1, kDigitsEven},
    {u"3", u"3", 1, kOrderOdd},
    {u"4", u"4", 1, kDigitsEven},
    {u"5", u"5", 1, kOrderOdd},
    {u"6", u"6", 1, kDigitsEven},
    {u"7", u"7", 1, kOrderOdd},
    {u"8", u"8", 1, kDigitsEven},
    {u"9", u"9", 1, kOrderOdd},
    {u"0", u"0", 1, kDigitsEven},
    {u".", u".", 1, u"在一个数中不能使用多个[小数点]。并且当数位（整数位+小数位）大于29位时程序将对尾部进行舍位操作。"},
    {u"(", u"(", 1, kBrackets},
    {u")", u")", 1, kBrackets},
    {u"+", u"+", 1,
     u"  [ -- ]将被转换为 + ,[ +- ]将被转换为 -。运算顺序为括号()--变量r等--函数sin等--阶乘!百分数%--乘方^--乘除余--加减。"},
    {u"-", u"-", 1, u"[ — _ ]等将被转换为 -。运算顺序为括号()--变量r等--函数sin等--阶乘!百分数%--乘方^--乘除余--加减。"},
    {u"*", u"*", 1, u"    因[X x]为字母，为避免混淆，[乘＊]等乘法符号用 * 表示。    eg:-3乘-2 =>(-3)*(-2)"},
    {u"/", u"/", 1, u"除数不能是 0，否则出现溢出错误。[除 ｜：| ÷]等将被转换为 /。eg:-3÷-2 =>(-3)/(-2)"},
    {u"\\余", u"\\", 1, u"使用[余] \\ 运算符计算整除后的余数,例 4\\-3=1   -5.12\\3=-2.12。  注意 \\ * / 为同级运算符。"},
    {u"1/", u"1/", 2, u" 求一个数的倒数---该数不能为 O 。eg:1/-2 =>1/(-2)"},
    {u"%", u"%", 1, u" % 代表百分之一。运算顺序为括号()--变量r等--函数sin等--阶乘!百分数%--乘方^--乘除余--加减。"},
    {u"空 格", u" ", 1, u"[空格]无实际作用，仅起分隔易看的作用。并且当数位（整数位+小数位）大于29位时程序将对尾部进行舍位操作。"},
    {u"n!", u"!", 1,
     u"  ! 代表[阶乘]，5! = 1*2*3*4*5 。运算顺序为括号()--变量r等--函数sin等--阶乘!百分数%--乘方^--乘除余--加减。"},
    {u"乘 方", u"^", 1,
     u"^ 代表[乘方]，5^3 = 5*5*5  -2^-3 =>(-2)^(-3)。运算顺序为括号()--变量r等--函数sin等--阶乘!百分数%--乘方^--乘除余--加减。"},
    {u"平 方", u"^2", 2,
     u"^2 代表[平方]，5^2 = 5*5  -3^-2 =>(-3)^(-2)。运算顺序为括号()--变量r等--函数sin等--阶乘!百分数%--乘方^--乘除余--加减。"},
    {u"开平方", u"^(1/2)", 6, u"[开方]必须用[乘方]代替 ，^(1/2) 即为开2次方。请注意函数输出结果一般为28位有效数字。"},
    {u"开立方", u"^(1/3)", 6, u"[开方]必须用[乘方]代替 ，^(1/3) 即为开3次方。请注意函数输出结果一般为28位有效数字。"},
    {u"开 方", u"^(1/)", 4, u"[开方]必须用[乘方]代替 ，^(1/8) 即为开8次方。请注意函数输出结果一般为28位有效数字。"},
    {u"log", u"( lg()/lg() )", 5,
     u"求对数:例如 以3为底 5的对数 log 3 （5）==> ( lg(5)/lg(3) )。请注意函数输出结果最多为15位有效数字。"},
    {u"ln", u"ln()", 3, u"求自然对数 : ln(X) 以科学自然数为底的对数，X应大于0 。请注意函数输出结果最多为15位有效数字。"},
    {u"lg", u"lg()", 3, u"求普通对数 : lg(X) 以10为底的对数，X应大于0 。请注意函数输出结果最多为15位有效数字。"},
    {u"Sin", u"sin()", 4, u"正弦函数---必须注意角度的制式，度分秒和百分度、弧度。请注意三角函数输出结果最多为28位有效数字。"},
    {u"Cos", u"cos()", 4, u"余弦函数---必须注意角度的制式，度分秒和百分度、弧度。请注意三角函数输出结果最多为28位有效数字。"},
    {u"Tan", u"tan()", 4, u"正切函数---必须注意角度的制式，度分秒和百分度、弧度。请注意三角函数输出结果最多为28位有效数字。"},
    {u"Cot", u"cot()", 4, u"余切函数---必须注意角度的制式，度分秒和百分度、弧度。请注意三角函数输出结果最多为28位有效数字。"},
    {u"反Sin", u"arcsin()", 7,
     u"反正弦函数---必须注意角度的三种制式，arcsin(x) 要求 -1 ≤ x ≤ 1 。请注意反三角函数输出结果最多为15位有效数字。"},
    {u"反Cos", u"arccos()", 7,
     u"反余弦函数---必须注意角度的三种制式，arccos(x) 要求 -1 ≤ x ≤ 1。请注意反三角函数输出结果最多为15位有效数字。"},
    {u"反Tan", u"arctan()", 7,
     u"反正切函数---必须注意角度的三种制式。请注意反三角函数输出结果最多为15位有效数字，不要用度分秒格式进行加减操作。"},
    {u"反Cot", u"arccot()", 7,
     u"反余切函数---必须注意角度的三种制式。请注意反三角函数输出结果最多为15位有效数字，不要用度分秒格式进行加减操作。"},
    {u"π", u"π", 1,
     u"圆周率 π 的值为 3.1415926535897932384626433833 。 附带学习：度分秒格式的角度数 45.59598999 代表45度59分59.8999秒。"},
    {u"ε", u"ε", 1, u"科学自然数 ε 的值为 2.71828182845905 。（ 注：数学中为e,为避免计算混淆用ε代替）"},
    {u"双曲 正弦", u"sh()", 3, u" （双曲正弦） sh(X) = ( ε^ X - ε^(-X)) / 2。"},
    {u"双曲 余弦", u"ch()", 3, u" （双曲余弦） ch(X) = ( ε^ X + ε^(-X)) / 2。"},
    {u"双曲 正切", u"th()", 3, u"双曲正切 th(X) = ( ε^ X - ε^(-X)) / ( ε^ X + ε^(-X))。"},
    {u"双曲 余切", u"cth()", 4, u"双曲余切 cth(X) = ( ε^ X + ε^(-X)) / ( ε^ X - ε^(-X))。"},
    {u"正割 sec", u"sec()", 4, u"（正割） sec(x)= 1 / cos(x)   请注意函数输出结果最多为28位有效数字。"},
    {u"余割 csc", u"csc()", 4, u"（余割）csc(x) = 1 / sin(x)   请注意函数输出结果最多为28位有效数字。"},
    {u"反正割", u"arcsec()", 7,
     u"（反正割） arcsec(x)  为正割的反函数   输出角度值--注意有三种表示方法，不要用度分秒格式进行加减操作。"},
    {u"反余割", u"arccsc()", 7,
     u"（反余割）arccsc(x)   为余割的反函数   输出角度值--注意有三种表示方法，不要用度分秒格式进行加减操作。"},
    {u"E", u"E", 1, u"  科学记数 E , 例如: 612345000 = 6.12345E+8       -6.12345E-8 = -0.0000000612345 "},
    {u"F-E", nullptr, 0,
     u"  将计算结果从[浮点数]变化为[科学记数], 例如: 612345000 = 6.12345E+8       -0.0000000612345 = -6.12345E-8 "},
    {u"变量r", u" r ", 3, kVariable},
    {u"变量s", u" s ", 3, kVariable},
    {u"变量t", u" t ", 3, kVariable},
    {u"变量u", u" u ", 3, kVariable},
    {u"变量v", u" v ", 3, kVariable},
    {u"变量w", u" w ", 3, kVariable},
    {u"变量x", u" x ", 3, kVariable},
    {u"变量y", u" y ", 3, kVariable},
    {u"变量z", u" z ", 3, kVariable},
    {u"随机数", nullptr, 0, u" 随机数 0 - 1 之间"},
}};

}  // namespace cesuan::texts::main
