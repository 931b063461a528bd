<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Ask</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>EditorDocument</name>
    <message>
        <source>Add the missing items</source>
        <translation>添加缺少的项</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>install.ini was changed on disk by another program.</source>
        <translation>install.ini 已被其他程序在磁盘上更改。</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>重新加载(&amp;R)</translation>
    </message>
    <message>
        <source>Reload the file from disk</source>
        <translation>从磁盘重新加载文件</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>保留我的(&amp;K)</translation>
    </message>
    <message>
        <source>Keep my version</source>
        <translation>保留我的版本</translation>
    </message>
</context>
<context>
    <name>FindingsDock</name>
    <message>
        <source>Findings</source>
        <translation>检查结果</translation>
    </message>
    <message>
        <source>No findings: the menu starts as designed.</source>
        <translation>没有检查结果：菜单按设计启动。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>新建(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>discmenu-editor</source>
        <translation>discmenu-editor</translation>
    </message>
    <message>
        <source>%1[*] - discmenu-editor</source>
        <translation>%1[*] - discmenu-editor</translation>
    </message>
    <message>
        <source>No item of install.ini can hold this text: a double quote may not stand here.</source>
        <translation>install.ini 的任何项都无法保存此文本：此处不能有双引号。</translation>
    </message>
    <message>
        <source>Convert install.ini to UTF-8?</source>
        <translation>将 install.ini 转换为 UTF-8？</translation>
    </message>
    <message>
        <source>install.ini is written in %1, which cannot hold this text.

Convert the whole file to UTF-8 with a byte-order mark? The menu reads it the same; every other text stays as it is.</source>
        <translation>install.ini 使用 %1 编写，无法保存此文本。

将整个文件转换为带字节顺序标记的 UTF-8？菜单的读取结果不变；其他文本保持原样。</translation>
    </message>
    <message>
        <source>Not changed: %1 cannot hold this text.</source>
        <translation>未更改：%1 无法保存此文本。</translation>
    </message>
    <message>
        <source>Convert to UTF-8 and edit %1</source>
        <translation>转换为 UTF-8 并编辑 %1</translation>
    </message>
    <message>
        <source>Not set: the background takes a picture, not %1.</source>
        <translation>未设置：背景只接受图片，不接受 %1。</translation>
    </message>
    <message>
        <source>Not set: drop one picture and one other file at most.</source>
        <translation>未设置：最多拖放一张图片和一个其他文件。</translation>
    </message>
    <message>
        <source>Not set: %1</source>
        <translation>未设置：%1</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 作为 %2</translation>
    </message>
    <message>
        <source>Copy into the menu folder?</source>
        <translation>复制到菜单文件夹？</translation>
    </message>
    <message>
        <source>The menu finds only files inside its folder. Copy into it:

%1?</source>
        <translation>菜单只能找到其文件夹内的文件。复制进去：

%1？</translation>
    </message>
    <message>
        <source>Not set: %1 is outside the menu folder and was not copied in.</source>
        <translation>未设置：%1 位于菜单文件夹之外，且未被复制进来。</translation>
    </message>
    <message>
        <source>Drop on the background</source>
        <translation>拖放到背景</translation>
    </message>
    <message>
        <source>Drop on entry %1</source>
        <translation>拖放到条目 %1</translation>
    </message>
    <message>
        <source>Unchanged: the entry names these files already.</source>
        <translation>未更改：该条目已指向这些文件。</translation>
    </message>
    <message>
        <source>Not set: install.ini cannot hold these names in its encoding.</source>
        <translation>未设置：install.ini 的编码无法保存这些名称。</translation>
    </message>
    <message>
        <source>Copied in: %1</source>
        <translation>已复制：%1</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存的更改</translation>
    </message>
    <message>
        <source>install.ini has changes that are not saved. Save them?</source>
        <translation>install.ini 有未保存的更改。要保存吗？</translation>
    </message>
    <message>
        <source>Open a menu folder</source>
        <translation>打开菜单文件夹</translation>
    </message>
    <message>
        <source>Choose or create an empty folder for the menu</source>
        <translation>为菜单选择或创建一个空文件夹</translation>
    </message>
    <message>
        <source>No new menu</source>
        <translation>未创建新菜单</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>运行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Test run</source>
        <translation>试运行(&amp;T)</translation>
    </message>
    <message>
        <source>Test run under &amp;Wine</source>
        <translation>在 Wine 下试运行(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Build images...</source>
        <translation>生成映像(&amp;B)...</translation>
    </message>
    <message>
        <source>No test run: %1</source>
        <translation>无法试运行：%1</translation>
    </message>
    <message>
        <source>The test run ended (status %1).</source>
        <translation>试运行已结束（状态 %1）。</translation>
    </message>
    <message>
        <source>Test run of %1 started.</source>
        <translation>已开始试运行 %1。</translation>
    </message>
    <message>
        <source>Save install.ini first: the images hold the saved folder.</source>
        <translation>请先保存 install.ini：映像包含已保存的文件夹。</translation>
    </message>
    <message>
        <source>Where to write the disc and stick images</source>
        <translation>光盘和 U 盘映像的保存位置</translation>
    </message>
    <message>
        <source>Images written to %1</source>
        <translation>映像已写入 %1</translation>
    </message>
    <message>
        <source>No images</source>
        <translation>未生成映像</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>转换(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>不保存(&amp;N)</translation>
    </message>
    <message>
        <source>Add the missing items?</source>
        <translation>添加缺少的项？</translation>
    </message>
    <message>
        <source>%1 holds %2 of the 34 items the menu reads; the menu stops where they end.

Add the missing items at the end of the file? Added show flags are 0, which hides their entries; an added button picture repeats the one before it; other added items are empty, and the findings say what still needs a value. Nothing before them changes, and the file is written only when you save.</source>
        <translation>%1 只有菜单读取的 34 项中的 %2 项；菜单在项结束处停止。

在文件末尾添加缺少的项吗？添加的显示标志为 0，对应的按钮将被隐藏；添加的按钮图片沿用前一个；其他添加的项为空，仍需填写的值会在检查结果中列出。前面的内容不会改变，文件只在您保存时写入。</translation>
    </message>
    <message>
        <source>&amp;Add Items</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Not changed: install.ini ends before item %1.</source>
        <translation>未更改：install.ini 在第 %1 项之前就结束了。</translation>
    </message>
    <message>
        <source>Not set: install.ini ends before this entry&apos;s items.</source>
        <translation>未设置：install.ini 在此条目的各项之前就结束了。</translation>
    </message>
</context>
<context>
    <name>MenuCanvas</name>
    <message>
        <source>Menu window</source>
        <translation>菜单窗口</translation>
    </message>
    <message>
        <source>Click a button, a label or the background to select it; type to change the selected entry&apos;s caption</source>
        <translation>单击按钮、标签或背景以选中它；输入文字可更改所选条目的标题</translation>
    </message>
    <message>
        <source>Open a menu folder (File &gt; Open)</source>
        <translation>打开菜单文件夹（文件 &gt; 打开）</translation>
    </message>
    <message>
        <source>Hidden in the menu</source>
        <translation>在菜单中隐藏</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>标签 %1</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>按钮 %1</translation>
    </message>
</context>
<context>
    <name>PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>条目 %1</translation>
    </message>
    <message>
        <source>Selected control</source>
        <translation>所选控件</translation>
    </message>
    <message>
        <source>&amp;Control:</source>
        <translation>控件(&amp;C)：</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Entry shown</source>
        <translation>显示条目</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>标题(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>目标(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Picture:</source>
        <translation>图片(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>标题(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>背景(&amp;B)：</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Button picture</source>
        <translation>按钮图片</translation>
    </message>
    <message>
        <source>Window title</source>
        <translation>窗口标题</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景图片</translation>
    </message>
</context>
<context>
    <name>discmenu-editor</name>
    <message>
        <source>Convert to UTF-8</source>
        <translation>转换为 UTF-8</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>编辑 %1</translation>
    </message>
</context>
<context>
    <name>discmenu::editor::PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
</context>
</TS>
