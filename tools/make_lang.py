#!/usr/bin/env python3
"""Writes assets/lang/Lan_EN.txt, Lan.txt and LanSetting.ini (UTF-16LE, BOM, LF)."""
import pathlib

TEXTS = {
    0: ("English", "中文"), 1: ("Open", "打开"), 2: ("Exit", "退出"), 3: ("Version", "版本"),
    4: ("OK", "确定"), 5: ("Cancel", "取消"), 6: ("Profile", "配置"), 7: ("Reset", "恢复出厂"),
    8: ("Macro manager", "宏管理"), 9: ("Buttons", "按键设置"), 10: ("Profiles", "配置文件"),
    11: ("DPI levels", "DPI 档位"), 12: ("Lighting", "灯效"), 13: ("Polling rate", "回报率"),
    14: ("Pointer", "指针设置"), 15: ("Battery", "电量"), 16: ("High", "高"), 17: ("Medium", "中"),
    18: ("Low", "低"), 19: ("Lift-off distance", "静默高度"), 20: ("Left click", "左键"),
    21: ("Right click", "右键"), 22: ("Middle click", "中键"), 23: ("Forward", "前进"),
    24: ("Back", "后退"), 25: ("DPI switch", "DPI 切换"), 26: ("Fire key", "火力键"),
    27: ("Triple click", "三连击"), 28: ("Macro", "宏"), 29: ("Keyboard key", "键盘按键"),
    30: ("Multimedia", "多媒体"), 31: ("Office", "办公"), 32: ("Windows", "系统功能"),
    33: ("Program function", "软件功能"), 34: ("Disabled", "禁用"), 35: ("", ""),
    36: ("DPI lock", "DPI 锁定"), 37: ("", ""), 38: ("", ""), 39: ("Quick launch", "快速启动"),
    40: ("DPI up", "DPI 加"), 41: ("DPI down", "DPI 减"), 42: ("DPI cycle", "DPI 循环"),
    45: ("Media player", "媒体播放器"), 46: ("Previous track", "上一曲"), 47: ("Next track", "下一曲"),
    48: ("Stop", "停止"), 49: ("Play/Pause", "播放/暂停"), 50: ("Mute", "静音"),
    51: ("Volume up", "音量加"), 52: ("Volume down", "音量减"), 53: ("Mail", "邮件"),
    54: ("Calculator", "计算器"), 60: ("Copy", "复制"), 61: ("Paste", "粘贴"), 62: ("Cut", "剪切"),
    63: ("Select all", "全选"), 64: ("New", "新建"), 65: ("Save", "保存"), 66: ("Print", "打印"),
    67: ("Explorer", "资源管理器"), 68: ("Undo", "撤销"), 75: ("This PC", "我的电脑"),
    76: ("Close window", "关闭窗口"), 77: ("Show desktop", "显示桌面"), 78: ("Run", "运行"),
    79: ("Minimise", "最小化"), 80: ("Maximise", "最大化"), 85: ("Profile 1", "配置 1"),
    86: ("Profile 2", "配置 2"), 87: ("Profile 3", "配置 3"), 88: ("Profile 4", "配置 4"),
    89: ("Profile 5", "配置 5"), 90: ("Import", "导入"), 91: ("Export", "导出"),
    92: ("Rename", "重命名"), 93: ("Delete", "删除"), 100: ("Static", "常亮"),
    101: ("Breathing", "呼吸"), 102: ("Wave", "波浪"), 103: ("Spectrum", "光谱"),
    104: ("Two colours", "双色"), 105: ("Colour cycle", "彩色循环"), 106: ("Reactive", "触发"),
    107: ("Flash", "闪烁"), 108: ("Rainbow", "彩虹"), 109: ("Custom", "自定义"),
    110: ("Off", "关闭"), 120: ("Brightness", "亮度"), 121: ("Speed", "速度"),
    122: ("Colours", "颜色"), 123: ("Direction", "方向"), 130: ("Pointer speed", "指针速度"),
    131: ("Enhance precision", "提高指针精确度"), 132: ("Scroll lines", "滚动行数"),
    133: ("Scroll one page", "一次滚动一页"), 134: ("Scroll speed", "滚动速度"),
    135: ("Double-click speed", "双击速度"), 140: ("Restore factory settings?", "确定恢复出厂设置?"),
    142: ("Import profile", "导入配置"), 143: ("Export profile", "导出配置"),
    144: ("Enter a profile name", "请输入配置名称"), 146: ("Writing settings...", "正在写入设置..."),
    147: ("The name must not be empty.", "名称不能为空。"), 150: ("Attention", "提示"),
    151: ("One button must keep the left click.", "至少保留一个左键。"),
    152: ("The current profile cannot be deleted.", "不能删除当前配置。"),
    155: ("No mouse found.", "未找到鼠标。"), 156: ("The mouse is offline.", "鼠标未连接。"),
    157: ("At most 15 macros per profile.", "每个配置最多 15 个宏。"), 170: ("Fire key", "火力键"),
    171: ("Interval", "间隔"), 172: ("Count", "次数"),
    173: ("Repeats the left click at the interval.", "按间隔重复左键点击。"),
    174: ("Interval must be 5 to 255.", "间隔须为 5 到 255。"),
    175: ("Digits only.", "只能输入数字。"), 176: ("Count must be 0 to 255.", "次数须为 0 到 255。"),
    180: ("Key combination", "组合键"), 190: ("Macro:", "宏:"), 191: ("Macro library", "宏列表"),
    192: ("Actions", "动作列表"), 193: ("Record delays", "录制延时"),
    194: ("Repeat while held", "按住循环"), 195: ("Toggle repeat", "按下循环"),
    196: ("Repeat times", "循环次数"), 197: ("Insert", "插入"), 198: ("Record", "开始录制"),
    199: ("Stop", "停止录制"), 200: ("New macro", "新建宏"), 201: ("Edit", "修改"),
    202: ("Delete", "删除"), 203: ("Up", "上移"), 204: ("Down", "下移"), 205: ("Delay", "延时"),
    206: ("Key", "按键"), 207: ("Move left", "左移"), 208: ("Move right", "右移"),
    209: ("Move up", "上移"), 210: ("Move down", "下移"), 220: ("Delay", "延时"),
    221: ("Press a key", "请按键"), 222: ("Move left", "左移"), 223: ("Move right", "右移"),
    224: ("Move up", "上移"), 225: ("Move down", "下移"),
    232: ("Delete the selected item?", "删除所选项?"), 233: ("Nothing selected.", "未选择。"),
    234: ("Select a macro first.", "请先选择宏。"),
    235: ("Recording stopped: step limit reached.", "已达步数上限,录制停止。"),
    236: ("No macro selected.", "未选择宏。"), 237: ("Too many actions.", "动作过多。"),
    238: ("Rename", "重命名"), 239: ("New macro", "新建宏"),
    241: ("The name already exists.", "名称已存在。"), 242: ("The name must not be empty.", "名称不能为空。"),
    243: ("New folder", "新建文件夹"), 245: ("New macro", "新建宏"), 246: ("New folder", "新建文件夹"),
    247: ("Export macro", "导出宏"), 248: ("Import macro", "导入宏"), 249: ("Rename", "重命名"),
    250: ("Delete", "删除"), 251: ("Import group", "导入组"), 252: ("Export group", "导出组"),
    253: ("Export macro", "导出宏"), 254: ("Import macro", "导入宏"),
    255: ("Export group", "导出组"), 256: ("Import group", "导入组"),
    257: ("The macro is used by a button.", "该宏正被按键使用。"),
    260: ("Windows mouse settings", "系统鼠标设置"), 261: ("125 Hz", "125 Hz"),
    262: ("250 Hz", "250 Hz"), 263: ("500 Hz", "500 Hz"), 264: ("1000 Hz", "1000 Hz"),
    265: ("Power saving", "节能"), 266: ("Sleep after ", "休眠时间 "), 267: (" min", " 分钟"),
    268: ("Light on movement", "移动亮灯"), 270: ("Low", "低"), 271: ("High", "高"),
    272: ("Debounce", "按键消抖"), 273: ("DPI value", "DPI 数值"), 274: ("Motion wake-up", "移动唤醒"),
    275: ("Pairing", "配对"), 276: ("Pair", "配对"), 277: ("Start pairing", "开始配对"),
    278: ("Pairing.", "配对中."), 279: ("Pairing..", "配对中.."), 280: ("Pairing...", "配对中..."),
    281: ("Pairing failed.", "配对失败。"), 282: ("Paired.", "配对成功。"),
    283: ("Switch the mouse on, then start pairing.", "打开鼠标电源后开始配对。"),
    284: ("The mouse behind the receiver is offline.", "接收器上的鼠标未连接。"),
    285: ("Sensor", "传感器"), 286: ("Angle snapping", "直线修正"), 287: ("Motion sync", "移动同步"),
    288: ("Ripple control", "纹波控制"), 289: ("Choose a program", "请选择程序"),
}


def write(path, lines):
    path.write_bytes(b"\xff\xfe" + "".join(line + "\n" for line in lines).encode("utf-16-le"))


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / "assets" / "lang"
    out.mkdir(parents=True, exist_ok=True)
    for name, column in (("Lan_EN.txt", 0), ("Lan.txt", 1)):
        write(out / name, ["[Setting]"] + [f"{n}={t[column]}" for n, t in sorted(TEXTS.items())])
    write(out / "LanSetting.ini", ["[ChangeLanguage]", "Language=EN"])


if __name__ == "__main__":
    main()
