<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>discmenu</name>
    <message>
        <source>Run-time error %1:</source>
        <translation>运行时错误 %1:</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>错误 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>文件未找到</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>输入超出文件尾</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>路径/文件访问错误</translation>
    </message>
    <message>
        <source>Specified DLL function not found</source>
        <translation>找不到指定的 DLL 函数</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>无效的图片</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>应用程序定义或对象定义错误</translation>
    </message>
    <message>
        <source>item %1 (%2)</source>
        <translation>第 %1 项 (%2)</translation>
    </message>
    <message>
        <source>%1 is missing: the file holds no items</source>
        <translation>缺少%1：文件中没有任何项</translation>
    </message>
    <message>
        <source>%1 is missing: the file ends after %2 of the %3 items</source>
        <translation>缺少%1：文件在 %3 项中的第 %2 项之后就结束了</translation>
    </message>
    <message>
        <source>%1 does not end within the first %2 MiB of the file; is a closing double quote missing?</source>
        <translation>%1 在文件的前 %2 MiB 内没有结束；是否缺少结尾的双引号？</translation>
    </message>
    <message>
        <source>%1 is the text &quot;%2&quot;, which is not a number: write 1 to show entry %3 or 0 to hide it</source>
        <translation>%1 是文本“%2”，不是数字：写 1 显示选项 %3，写 0 隐藏它</translation>
    </message>
    <message>
        <source>%1: is a directory</source>
        <translation>%1：是文件夹</translation>
    </message>
    <message>
        <source>%1: is not a regular file</source>
        <translation>%1：不是普通文件</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: is a directory, not a picture file</source>
        <translation>%1：是文件夹，不是图片文件</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1：文件为空</translation>
    </message>
    <message>
        <source>%1: the file is larger than the %2 MiB a picture file may take</source>
        <translation>%1：文件大于图片文件允许的 %2 MiB</translation>
    </message>
    <message>
        <source>%1: the picture has no size</source>
        <translation>%1：图片没有尺寸</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels, more than the 64 megapixels a picture may have</source>
        <translation>%1：图片为 %2 x %3 像素，超过图片允许的 6400 万像素</translation>
    </message>
    <message>
        <source>%1: not a picture file that can be read</source>
        <translation>%1：不是可以读取的图片文件</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded (%2)</source>
        <translation>%1：无法解码图片 (%2)</translation>
    </message>
    <message>
        <source>%1: the JPEG data ends too early (the file is cut off)</source>
        <translation>%1：JPEG 数据提前结束 (文件不完整)</translation>
    </message>
    <message>
        <source>%1: the GIF data ends too early (the file is cut off)</source>
        <translation>%1：GIF 数据提前结束 (文件不完整)</translation>
    </message>
    <message>
        <source>%1: the BMP header is cut off</source>
        <translation>%1：BMP 标头不完整</translation>
    </message>
    <message>
        <source>%1: the BMP pixel data is cut off</source>
        <translation>%1：BMP 像素数据不完整</translation>
    </message>
    <message>
        <source>cannot tell the folder that holds the running program</source>
        <translation>无法确定正在运行的程序所在的文件夹</translation>
    </message>
    <message>
        <source>cannot find &quot;%1&quot;. Make sure the name is right, then try again.</source>
        <translation>找不到“%1”。请确认名称正确，然后重试。</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: no program is available to open it</source>
        <translation>无法打开“%1”：没有可用于打开它的程序</translation>
    </message>
    <message>
        <source>cannot show the menu window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>无法显示菜单窗口：没有显示器 (DISPLAY 和 WAYLAND_DISPLAY 均未设置)</translation>
    </message>
    <message>
        <source>cannot show the menu window: %1</source>
        <translation>无法显示菜单窗口：%1</translation>
    </message>
    <message>
        <source>cannot create the menu window</source>
        <translation>无法创建菜单窗口</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景图片</translation>
    </message>
</context>
</TS>
