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

// Buttons: an outside organisation, then the maker's platform, trading site and community.
inline const QString kPartner = QStringLiteral("合作伙伴");
inline const QString kTipPartner = QStringLiteral("向合作伙伴问好！");
inline const QString kPlatform = QStringLiteral("==> 测算网络平台");
inline const QString kTrading = QStringLiteral("==> 测算交易网");
inline const QString kTipTrading = QStringLiteral("你的浏览器安装了中文网址，才可正确访问该页。");
inline const QString kCommunity = QStringLiteral("==> 测算社区");
inline const QString kCalculator = QStringLiteral("返回  主程序");

}  // namespace cesuan::texts::help
