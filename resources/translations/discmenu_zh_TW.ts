<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>discmenu</name>
    <message>
        <source>Run-time error %1:</source>
        <translation>執行階段錯誤 %1:</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>錯誤 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>記憶體不足</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型態不符合</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到檔案</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>輸入超過檔案結尾</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>路徑/檔案存取錯誤</translation>
    </message>
    <message>
        <source>Specified DLL function not found</source>
        <translation>找不到指定的 DLL 函數</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>無效的圖片</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>應用程式定義或物件定義錯誤</translation>
    </message>
    <message>
        <source>item %1 (%2)</source>
        <translation>第 %1 項 (%2)</translation>
    </message>
    <message>
        <source>%1 is missing: the file holds no items</source>
        <translation>缺少%1：檔案中沒有任何項目</translation>
    </message>
    <message>
        <source>%1 is missing: the file ends after %2 of the %3 items</source>
        <translation>缺少%1：檔案在 %3 個項目中的第 %2 個之後就結束了</translation>
    </message>
    <message>
        <source>%1 does not end within the first %2 MiB of the file; is a closing double quote missing?</source>
        <translation>%1 在檔案的前 %2 MiB 內沒有結束；是否少了結尾的雙引號？</translation>
    </message>
    <message>
        <source>%1 is the text &quot;%2&quot;, which is not a number: write 1 to show entry %3 or 0 to hide it</source>
        <translation>%1 是文字「%2」，不是數字：請寫 1 以顯示選項 %3，或寫 0 以隱藏它</translation>
    </message>
    <message>
        <source>%1: is a directory</source>
        <translation>%1：是資料夾</translation>
    </message>
    <message>
        <source>%1: is not a regular file</source>
        <translation>%1：不是一般檔案</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: is a directory, not a picture file</source>
        <translation>%1：是資料夾，不是圖片檔</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1：檔案是空的</translation>
    </message>
    <message>
        <source>%1: the file is larger than the %2 MiB a picture file may take</source>
        <translation>%1：檔案大於圖片檔可容許的 %2 MiB</translation>
    </message>
    <message>
        <source>%1: the picture has no size</source>
        <translation>%1：圖片沒有尺寸</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels, more than the 64 megapixels a picture may have</source>
        <translation>%1：圖片為 %2 x %3 像素，超過圖片可容許的 6400 萬像素</translation>
    </message>
    <message>
        <source>%1: not a picture file that can be read</source>
        <translation>%1：不是可以讀取的圖片檔</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded (%2)</source>
        <translation>%1：無法解碼圖片 (%2)</translation>
    </message>
    <message>
        <source>%1: the JPEG data ends too early (the file is cut off)</source>
        <translation>%1：JPEG 資料提早結束 (檔案不完整)</translation>
    </message>
    <message>
        <source>%1: the GIF data ends too early (the file is cut off)</source>
        <translation>%1：GIF 資料提早結束 (檔案不完整)</translation>
    </message>
    <message>
        <source>%1: the BMP header is cut off</source>
        <translation>%1：BMP 標頭不完整</translation>
    </message>
    <message>
        <source>%1: the BMP pixel data is cut off</source>
        <translation>%1：BMP 像素資料不完整</translation>
    </message>
    <message>
        <source>cannot tell the folder that holds the running program</source>
        <translation>無法得知執行中程式所在的資料夾</translation>
    </message>
    <message>
        <source>cannot find &quot;%1&quot;. Make sure the name is right, then try again.</source>
        <translation>找不到「%1」。請確定名稱正確，然後再試一次。</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>無法開啟「%1」：%2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: no program is available to open it</source>
        <translation>無法開啟「%1」：沒有可用來開啟它的程式</translation>
    </message>
    <message>
        <source>cannot show the menu window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>無法顯示選單視窗：沒有顯示器 (DISPLAY 與 WAYLAND_DISPLAY 都未設定)</translation>
    </message>
    <message>
        <source>cannot show the menu window: %1</source>
        <translation>無法顯示選單視窗：%1</translation>
    </message>
    <message>
        <source>cannot create the menu window</source>
        <translation>無法建立選單視窗</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景圖片</translation>
    </message>
</context>
</TS>
