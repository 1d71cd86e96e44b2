#pragma once
// The texts of the variable editor and the angle screen: window titles, labels and button
// captions. The blanks are part of the texts.

#include <QString>

// The variable editor.
namespace cesuan::texts::variables {

inline const QString kWindowTitle = QStringLiteral("修改变量 — 测算 CeSuan");

// Label2 … Label10, the headings of Text1 … Text9 (two blanks after 变量).
inline const QString kVariableLabels[9] = {
    QStringLiteral("变量  r ="), QStringLiteral("变量  s ="), QStringLiteral("变量  t ="),
    QStringLiteral("变量  u ="), QStringLiteral("变量  v ="), QStringLiteral("变量  w ="),
    QStringLiteral("变量  x ="), QStringLiteral("变量  y ="), QStringLiteral("变量  z ="),
};
// Label11: 26 full-width asterisks.
inline const QString kDecoration = QString(26, QChar(u'＊'));
inline const QString kHeading = QStringLiteral("测算 CeSuan 科学计算器");  // Label1
inline const QString kGreeting = QStringLiteral("欢迎访问测算网站！");     // Label12

inline const QString kAllToOne = QStringLiteral("默认为 1");   // Command1
inline const QString kOneToNine = QStringLiteral("默认1-9");   // Command2
inline const QString kSave = QStringLiteral("保存修改");       // Command3
inline const QString kSaveAndClose = QStringLiteral("保存退出");  // Command4
inline const QString kMakerPlatform = QStringLiteral("测算社区");  // Command5

}  // namespace cesuan::texts::variables

// The angle screen.
namespace cesuan::texts::angles {

inline const QString kWindowTitle = QStringLiteral("角度变换 — 测算 CeSuan");

inline const QString kOriginalAngle = QStringLiteral("原始角度数");  // Label1 at rest
// The result box when the angle cannot be converted: what was typed, and why.
inline const QString kNoAngle = QStringLiteral("请输入要转换的角度数值。");
inline QString msgAngleNotANumber(const QString& typed) {
    return QStringLiteral("角度 ") + typed + QStringLiteral(" 不是数字，无法转换。");
}
inline QString msgAngleOutOfRange(const QString& typed) {
    return QStringLiteral("角度 ") + typed + QStringLiteral(" 超出计算范围，无法转换。");
}
inline const QString kConverted = QStringLiteral("转换结果");        // Label2
inline const QString kHeading = QStringLiteral("角度变换");          // Label3
inline const QString kNoteRadian = QStringLiteral(  // Label4
    "弧度制：用圆周率3。1415926...代表180度（平角）。1.57079632679 接近直角。");
inline const QString kNoteDecimalDegree = QStringLiteral(  // Label5
    "百分度制：用360度代表一周，再把一度按100进制表示。89.99999999999 接近直角。");
inline const QString kNoteDms = QStringLiteral(  // Label6
    "度分秒制：用360度代表一周，再把分秒按60进制表示。89.59599999999 接近直角。");
inline const QString kNoteGradian = QStringLiteral(  // Label7 (14 blanks before 备注)
    "梯度进制：Windows计算器中采用400度代表一周，100度代表直角。将[梯度进制]转换为[百分度制]，乘以0.9；"
    "将[百分度制]转换为[梯度进制]，除以0.9。              备注：由于[梯度进制]在日常应用中使用较少，"
    "并且容易转换为百分度，本人没有设置专用转换软件，请另行计算。");

// Button captions (Command1 … Command6) and the conversion names put into Label1.
inline const QString kRadianToDmsCaption = QStringLiteral("弧度 ==> 度分秒");
inline const QString kRadianToDecimalDegreeCaption = QStringLiteral("弧度 ==> 百分度");
inline const QString kDecimalDegreeToDmsCaption = QStringLiteral("百分度 ==> 度分秒");
inline const QString kDecimalDegreeToRadianCaption = QStringLiteral("百分度 ==> 弧  度");
inline const QString kDmsToRadianCaption = QStringLiteral("度分秒 ==> 弧  度");
inline const QString kDmsToDecimalDegreeCaption = QStringLiteral("度分秒 ==> 百分度");

inline const QString kRadianToDmsName = QStringLiteral("弧度==>度分秒");
inline const QString kRadianToDecimalDegreeName = QStringLiteral("弧度==>百分度");
inline const QString kDecimalDegreeToDmsName = QStringLiteral("百分度==>度分秒");
inline const QString kDecimalDegreeToRadianName = QStringLiteral("百分度==>弧度");
inline const QString kDmsToRadianName = QStringLiteral("度分秒==>弧度");
inline const QString kDmsToDecimalDegreeName = QStringLiteral("度分秒==>百分度");

}  // namespace cesuan::texts::angles
