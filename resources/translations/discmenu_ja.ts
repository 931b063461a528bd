<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>discmenu</name>
    <message>
        <source>Run-time error %1:</source>
        <translation>実行時エラー %1:</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>エラー %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>ファイルの終わりを越えて入力しようとしました</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>パス/ファイル アクセス エラー</translation>
    </message>
    <message>
        <source>Specified DLL function not found</source>
        <translation>指定された DLL 関数が見つかりません</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>無効な画像です</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>アプリケーション定義またはオブジェクト定義のエラーです</translation>
    </message>
    <message>
        <source>item %1 (%2)</source>
        <translation>項目 %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is missing: the file holds no items</source>
        <translation>%1 がありません: ファイルに項目がありません</translation>
    </message>
    <message>
        <source>%1 is missing: the file ends after %2 of the %3 items</source>
        <translation>%1 がありません: ファイルは %3 項目中 %2 項目で終わっています</translation>
    </message>
    <message>
        <source>%1 does not end within the first %2 MiB of the file; is a closing double quote missing?</source>
        <translation>%1 がファイルの先頭 %2 MiB 以内で終わっていません。閉じる二重引用符がありませんか?</translation>
    </message>
    <message>
        <source>%1 is the text &quot;%2&quot;, which is not a number: write 1 to show entry %3 or 0 to hide it</source>
        <translation>%1 はテキスト「%2」で、数値ではありません。エントリ %3 を表示するには 1、隠すには 0 と書いてください</translation>
    </message>
    <message>
        <source>%1: is a directory</source>
        <translation>%1: フォルダーです</translation>
    </message>
    <message>
        <source>%1: is not a regular file</source>
        <translation>%1: 通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a directory, not a picture file</source>
        <translation>%1: フォルダーで、画像ファイルではありません</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1: ファイルが空です</translation>
    </message>
    <message>
        <source>%1: the file is larger than the %2 MiB a picture file may take</source>
        <translation>%1: ファイルが画像ファイルに許される %2 MiB より大きいです</translation>
    </message>
    <message>
        <source>%1: the picture has no size</source>
        <translation>%1: 画像にサイズがありません</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels, more than the 64 megapixels a picture may have</source>
        <translation>%1: 画像は %2 x %3 ピクセルで、許される 6400 万画素を超えています</translation>
    </message>
    <message>
        <source>%1: not a picture file that can be read</source>
        <translation>%1: 読み込める画像ファイルではありません</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded (%2)</source>
        <translation>%1: 画像をデコードできません (%2)</translation>
    </message>
    <message>
        <source>%1: the JPEG data ends too early (the file is cut off)</source>
        <translation>%1: JPEG データが途中で終わっています (ファイルが切れています)</translation>
    </message>
    <message>
        <source>%1: the GIF data ends too early (the file is cut off)</source>
        <translation>%1: GIF データが途中で終わっています (ファイルが切れています)</translation>
    </message>
    <message>
        <source>%1: the BMP header is cut off</source>
        <translation>%1: BMP ヘッダーが切れています</translation>
    </message>
    <message>
        <source>%1: the BMP pixel data is cut off</source>
        <translation>%1: BMP の画素データが切れています</translation>
    </message>
    <message>
        <source>cannot tell the folder that holds the running program</source>
        <translation>実行中のプログラムがあるフォルダーがわかりません</translation>
    </message>
    <message>
        <source>cannot find &quot;%1&quot;. Make sure the name is right, then try again.</source>
        <translation>「%1」が見つかりません。名前が正しいことを確認してから、もう一度やり直してください。</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: no program is available to open it</source>
        <translation>「%1」を開けません: 開くためのプログラムがありません</translation>
    </message>
    <message>
        <source>cannot show the menu window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>メニュー ウィンドウを表示できません: ディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)</translation>
    </message>
    <message>
        <source>cannot show the menu window: %1</source>
        <translation>メニュー ウィンドウを表示できません: %1</translation>
    </message>
    <message>
        <source>cannot create the menu window</source>
        <translation>メニュー ウィンドウを作成できません</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景画像</translation>
    </message>
</context>
</TS>
