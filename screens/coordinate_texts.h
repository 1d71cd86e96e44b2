#pragma once
// The coordinate conversion window's own texts.

#include <QString>
#include <QStringList>

namespace cesuan::texts::coordinates {

inline const QString kWindowTitle = QStringLiteral("坐标换算 — 测算 CeSuan");

inline const QString kStartInput = QStringLiteral(
    "A01 , 39.4125536 , 117.5017873 , 23.441\r\n"
    "Ｚ2 , 39.4041 , 117.4814 , 19.838\r\n"
    "例3 , 39.4053387 , 117.4815132 , 19.851\r\n"
    "39.4053387 , 117.4815132 , 19.851\r\n"
    "\r\n"
    "示例提示:\r\n"
    "  序号  X纬度(北)  Y经度(东)  Z高程(H)\r\n"
    "    ");

inline const QString kExplanation = QStringLiteral(
    "坐标系统说明：\r\n"
    "    平面直角坐标（公里网）：北方为上-X-正，东方为右-Y-正。\r\n"
    "    大地坐标：纬度（北为正）、经度（东为正），用度.分秒格式表示，如 39.4125536 即 39度41分25.536秒。\r\n"
    "    北京坐标系统（1954年北京坐标系）与西安坐标系统（1980西安坐标系）采用不同的椭球参数，同一点的公里网坐标略有差别。\r\n"
    "    东坐标Y以中央子午线处=500公里=500,000米，前加带号eg:39,500,000米。\r\n"
    "    六度带：3--01带    9--02带   15--03带......117--20带    123--21带。\r\n"
    "    三度带：3--01带    6--02带    9--03带......117--39带    120--40带。\r\n"
    "    一点五度带：3--01带  4.30--02带   6--03带......117--77带   118.30--78带。\r\n"
    "    跨带坐标转换：所选中央子午线附近的点按该中央子午线的分带计算，离得远的点按其所在的分带计算。\r\n"
    "    高程Z从平均海水面起算，原样输出。\r\n");

// Tooltips.
inline const QString kTipInput = QStringLiteral("原始数据，可以含有非数据行，如有序号必须用字母或汉字开头。");
inline const QString kTipOutput = QStringLiteral("数据输出，根据用户设置的模式，输出运算成果。");
inline const QString kTipEllipsoid =
    QStringLiteral("根据你选择的类型（参数），决定公里网坐标的输出，北京坐标系统和西安坐标系统等有参数差别。");
inline const QString kTipMeridian =
    QStringLiteral("{中央子午线经度}决定了坐标转换时{公里网的带号}、是否进行跨分带计算。");
inline const QString kTipSeparator = QStringLiteral("修改分隔符可能造成数据混乱，平时请不要随意修改分隔符！");
inline const QString kTipXyz = QStringLiteral("数据结构为序号、纬度、经度、高程...，纬度在经度前面。");
inline const QString kTipYxz = QStringLiteral("数据结构为序号、经度、纬度、高程...，经度在纬度前面。");
inline const QString kTipSerial = QStringLiteral("输出成果是否带有序号一栏");
inline const QString kTipTitle = QStringLiteral("转换原始数据中的相近字母");
inline const QString kTipMeridianLabel = QStringLiteral("-１８０到 +１８０ ， 默认为１１７度");
inline const QString kTipZoneLabel = QStringLiteral(
    "{中央子午线经度}决定了坐标分带号===公里网{六度带、三度带、一点五度带}的<带号前缀>顺次排列，供参考。");
inline const QString kTipConvert = QStringLiteral("当数据输入完毕，参数调整正确后，执行坐标转换。");
inline const QString kTipPrint = QStringLiteral("将本页面的所有数据打印输出，安装打印机后才可执行打印功能");
inline const QString kTipMenu = QStringLiteral("多种功能模块");

// Captions.
inline const QString kTitle = QStringLiteral(" 坐标转换模块");
inline const QString kMeridianLabel = QStringLiteral("中央子午线经度");
inline const QString kZoneLabelStart = QStringLiteral("对应带号:20 39 77  ");
inline const QString kZoneLabelReset = QStringLiteral("对应带号:20 39 77");
inline const QString kGridLabel = QStringLiteral("公里网");
inline const QString kSeparatorLabel = QStringLiteral("分隔符");
inline const QString kXyz = QStringLiteral("X Y Z模式");
inline const QString kYxz = QStringLiteral("Y X Z模式");
inline const QString kSerialOn = QStringLiteral("带序号输出");
inline const QString kSerialOff = QStringLiteral("无序号输出");
inline const QString k1p5To3 = QStringLiteral("1.5度带 -> 3度带");
inline const QString k3To6 = QStringLiteral("3度带 -> 6度带");
inline const QString k3To1p5 = QStringLiteral("3度带 -> 1.5度带");
inline const QString k6To3 = QStringLiteral("6度带 -> 3度带");
inline const QString k1p5ToGeo = QStringLiteral("1.5度带 -> 经纬度");
inline const QString k3ToGeo = QStringLiteral("3度带 -> 经纬度");
inline const QString k6ToGeo = QStringLiteral("6度带 -> 经纬度");
inline const QString kGeoTo1p5 = QStringLiteral("经纬度 -> 1.5度带");
inline const QString kGeoTo3 = QStringLiteral("经纬度 -> 3度带");
inline const QString kGeoTo6 = QStringLiteral("经纬度 -> 6度带");
inline const QString kSwap = QStringLiteral("文本１ ← 文本２");
inline const QString kPrint = QStringLiteral("打印屏幕");
inline const QString kCalculator = QStringLiteral("计算器");
inline const QString kMenu = QStringLiteral("其它功能");
inline const QString kHelp = QStringLiteral("帮 助");
inline const QString kGps = QStringLiteral("GPS坐标转换");
inline const QString kSingleColumn = QStringLiteral("单列式坐标转换");
inline const QString kWebHome = QStringLiteral("测算网站");
inline const QString kWebCommunity = QStringLiteral("测算社区");
// How the separator list shows its lone blank (the blank itself would be an empty-looking entry).
inline const QString kBlankEntryShown = QStringLiteral("[空格]");

inline const QStringList kMeridians = {
    QStringLiteral("93度-6"),   QStringLiteral("96度"),     QStringLiteral("99度-6"),   QStringLiteral("102度"),
    QStringLiteral("105度-6"),  QStringLiteral("108度"),    QStringLiteral("111度-6"),  QStringLiteral("114度"),
    QStringLiteral("117度-6"),  QStringLiteral("120度"),    QStringLiteral("123度-6"),  QStringLiteral("126度"),
    QStringLiteral("129度-6"),  QStringLiteral("132度"),    QStringLiteral("135度-6"),  QStringLiteral("138度"),
    QStringLiteral("141度-6"),  QStringLiteral("112.5度"),  QStringLiteral("115.5度"),  QStringLiteral("118.5度"),
    QStringLiteral("121.5度"),
};
inline const QStringList kSeparators = {
    QStringLiteral(","), QStringLiteral("*"), QStringLiteral("/"), QStringLiteral("%"), QStringLiteral("$"),
    QStringLiteral("#"), QStringLiteral("@"), QStringLiteral("&"), QStringLiteral("!"), QStringLiteral("?"),
    QStringLiteral(";"), QStringLiteral(":"), QStringLiteral("\""), QStringLiteral("'"), QStringLiteral("("),
    QStringLiteral(")"), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("["), QStringLiteral("]"),
    QStringLiteral("{"), QStringLiteral("}"), QStringLiteral("|"), QStringLiteral("_"), QStringLiteral("\\"),
    QStringLiteral("Tab"), QStringLiteral(" "),
};

// Messages and remarks.
inline const QString kBadMeridian =
    QStringLiteral("你选择的中央子午线经度有错误，请重新选择。应在正负180之间，并且能被 1.5 整除。");
inline const QString kBlankSeparator =
    QStringLiteral("    [空格]可能造成数据混乱，平时请不要使用[空格]作为分隔符！仅留作转换外来数据时使用一次。");
inline const QString kBlankSeparatorTitle = QStringLiteral("  修改分隔符 -- 测算 CeSuan -- 提示  ");

}  // namespace cesuan::texts::coordinates
