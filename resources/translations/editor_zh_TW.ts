<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Ask</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>EditorDocument</name>
    <message>
        <source>Add the missing items</source>
        <translation>新增缺少的項目</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>install.ini was changed on disk by another program.</source>
        <translation>install.ini 已被其他程式在磁碟上變更。</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>重新載入(&amp;R)</translation>
    </message>
    <message>
        <source>Reload the file from disk</source>
        <translation>從磁碟重新載入檔案</translation>
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
        <translation>檢查結果</translation>
    </message>
    <message>
        <source>No findings: the menu starts as designed.</source>
        <translation>沒有檢查結果：選單按設計啟動。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>新增(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開啟(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
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
        <translation>install.ini 的任何項目都無法保存此文字：此處不能有雙引號。</translation>
    </message>
    <message>
        <source>Convert install.ini to UTF-8?</source>
        <translation>將 install.ini 轉換為 UTF-8？</translation>
    </message>
    <message>
        <source>install.ini is written in %1, which cannot hold this text.

Convert the whole file to UTF-8 with a byte-order mark? The menu reads it the same; every other text stays as it is.</source>
        <translation>install.ini 使用 %1 編寫，無法保存此文字。

將整個檔案轉換為帶位元組順序標記的 UTF-8？選單的讀取結果不變；其他文字保持原樣。</translation>
    </message>
    <message>
        <source>Not changed: %1 cannot hold this text.</source>
        <translation>未變更：%1 無法保存此文字。</translation>
    </message>
    <message>
        <source>Convert to UTF-8 and edit %1</source>
        <translation>轉換為 UTF-8 並編輯 %1</translation>
    </message>
    <message>
        <source>Not set: the background takes a picture, not %1.</source>
        <translation>未設定：背景只接受圖片，不接受 %1。</translation>
    </message>
    <message>
        <source>Not set: drop one picture and one other file at most.</source>
        <translation>未設定：最多拖放一張圖片和一個其他檔案。</translation>
    </message>
    <message>
        <source>Not set: %1</source>
        <translation>未設定：%1</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 作為 %2</translation>
    </message>
    <message>
        <source>Copy into the menu folder?</source>
        <translation>複製到選單資料夾？</translation>
    </message>
    <message>
        <source>The menu finds only files inside its folder. Copy into it:

%1?</source>
        <translation>選單只能找到其資料夾內的檔案。複製進去：

%1？</translation>
    </message>
    <message>
        <source>Not set: %1 is outside the menu folder and was not copied in.</source>
        <translation>未設定：%1 位於選單資料夾之外，且未被複製進來。</translation>
    </message>
    <message>
        <source>Drop on the background</source>
        <translation>拖放到背景</translation>
    </message>
    <message>
        <source>Drop on entry %1</source>
        <translation>拖放到項目 %1</translation>
    </message>
    <message>
        <source>Unchanged: the entry names these files already.</source>
        <translation>未變更：該項目已指向這些檔案。</translation>
    </message>
    <message>
        <source>Not set: install.ini cannot hold these names in its encoding.</source>
        <translation>未設定：install.ini 的編碼無法保存這些名稱。</translation>
    </message>
    <message>
        <source>Copied in: %1</source>
        <translation>已複製：%1</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>未儲存</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已儲存 %1</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未儲存的變更</translation>
    </message>
    <message>
        <source>install.ini has changes that are not saved. Save them?</source>
        <translation>install.ini 有未儲存的變更。要儲存嗎？</translation>
    </message>
    <message>
        <source>Open a menu folder</source>
        <translation>開啟選單資料夾</translation>
    </message>
    <message>
        <source>Choose or create an empty folder for the menu</source>
        <translation>為選單選擇或建立一個空資料夾</translation>
    </message>
    <message>
        <source>No new menu</source>
        <translation>未建立新選單</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>執行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Test run</source>
        <translation>試執行(&amp;T)</translation>
    </message>
    <message>
        <source>Test run under &amp;Wine</source>
        <translation>在 Wine 下試執行(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Build images...</source>
        <translation>建立映像檔(&amp;B)...</translation>
    </message>
    <message>
        <source>No test run: %1</source>
        <translation>無法試執行：%1</translation>
    </message>
    <message>
        <source>The test run ended (status %1).</source>
        <translation>試執行已結束（狀態 %1）。</translation>
    </message>
    <message>
        <source>Test run of %1 started.</source>
        <translation>已開始試執行 %1。</translation>
    </message>
    <message>
        <source>Save install.ini first: the images hold the saved folder.</source>
        <translation>請先儲存 install.ini：映像檔包含已儲存的資料夾。</translation>
    </message>
    <message>
        <source>Where to write the disc and stick images</source>
        <translation>光碟和隨身碟映像檔的儲存位置</translation>
    </message>
    <message>
        <source>Images written to %1</source>
        <translation>映像檔已寫入 %1</translation>
    </message>
    <message>
        <source>No images</source>
        <translation>未建立映像檔</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>轉換(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>不儲存(&amp;N)</translation>
    </message>
    <message>
        <source>Add the missing items?</source>
        <translation>新增缺少的項目？</translation>
    </message>
    <message>
        <source>%1 holds %2 of the 34 items the menu reads; the menu stops where they end.

Add the missing items at the end of the file? Added show flags are 0, which hides their entries; an added button picture repeats the one before it; other added items are empty, and the findings say what still needs a value. Nothing before them changes, and the file is written only when you save.</source>
        <translation>%1 只有選單讀取的 34 個項目中的 %2 個；選單會在項目結束處停止。

要在檔案末尾新增缺少的項目嗎？新增的顯示旗標為 0，對應的按鈕會隱藏；新增的按鈕圖片沿用前一個；其他新增的項目為空白，仍需填寫的值會列在檢查結果中。前面的內容不會改變，檔案只會在您儲存時寫入。</translation>
    </message>
    <message>
        <source>&amp;Add Items</source>
        <translation>新增(&amp;A)</translation>
    </message>
    <message>
        <source>Not changed: install.ini ends before item %1.</source>
        <translation>未變更：install.ini 在第 %1 個項目之前就結束了。</translation>
    </message>
    <message>
        <source>Not set: install.ini ends before this entry&apos;s items.</source>
        <translation>未設定：install.ini 在此項目的各個值之前就結束了。</translation>
    </message>
</context>
<context>
    <name>MenuCanvas</name>
    <message>
        <source>Menu window</source>
        <translation>選單視窗</translation>
    </message>
    <message>
        <source>Click a button, a label or the background to select it; type to change the selected entry&apos;s caption</source>
        <translation>按一下按鈕、標籤或背景以選取它；輸入文字可變更所選項目的標題</translation>
    </message>
    <message>
        <source>Open a menu folder (File &gt; Open)</source>
        <translation>開啟選單資料夾（檔案 &gt; 開啟）</translation>
    </message>
    <message>
        <source>Hidden in the menu</source>
        <translation>在選單中隱藏</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>標籤 %1</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>按鈕 %1</translation>
    </message>
</context>
<context>
    <name>PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>屬性</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>項目 %1</translation>
    </message>
    <message>
        <source>Selected control</source>
        <translation>所選控制項</translation>
    </message>
    <message>
        <source>&amp;Control:</source>
        <translation>控制項(&amp;C)：</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Entry shown</source>
        <translation>顯示項目</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>標題(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>目標(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Picture:</source>
        <translation>圖片(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>標題(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>背景(&amp;B)：</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目標</translation>
    </message>
    <message>
        <source>Button picture</source>
        <translation>按鈕圖片</translation>
    </message>
    <message>
        <source>Window title</source>
        <translation>視窗標題</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景圖片</translation>
    </message>
</context>
<context>
    <name>discmenu-editor</name>
    <message>
        <source>Convert to UTF-8</source>
        <translation>轉換為 UTF-8</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>編輯 %1</translation>
    </message>
</context>
<context>
    <name>discmenu::editor::PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>屬性</translation>
    </message>
</context>
</TS>
