<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Ask</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>EditorDocument</name>
    <message>
        <source>Add the missing items</source>
        <translation>不足している項目を追加</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>install.ini was changed on disk by another program.</source>
        <translation>install.ini が別のプログラムによってディスク上で変更されました。</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>再読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>Reload the file from disk</source>
        <translation>ファイルをディスクから再読み込み</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>自分の版を保持(&amp;K)</translation>
    </message>
    <message>
        <source>Keep my version</source>
        <translation>自分の版を保持</translation>
    </message>
</context>
<context>
    <name>FindingsDock</name>
    <message>
        <source>Findings</source>
        <translation>検出事項</translation>
    </message>
    <message>
        <source>No findings: the menu starts as designed.</source>
        <translation>検出事項なし: メニューは設計どおりに起動します。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>新規(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
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
        <translation>install.ini の項目はこのテキストを保持できません: ここに二重引用符は使えません。</translation>
    </message>
    <message>
        <source>Convert install.ini to UTF-8?</source>
        <translation>install.ini を UTF-8 に変換しますか?</translation>
    </message>
    <message>
        <source>install.ini is written in %1, which cannot hold this text.

Convert the whole file to UTF-8 with a byte-order mark? The menu reads it the same; every other text stays as it is.</source>
        <translation>install.ini は %1 で書かれており、このテキストを保持できません。

ファイル全体を BOM 付き UTF-8 に変換しますか? メニューは同じように読み込み、ほかのテキストはそのまま残ります。</translation>
    </message>
    <message>
        <source>Not changed: %1 cannot hold this text.</source>
        <translation>変更なし: %1 はこのテキストを保持できません。</translation>
    </message>
    <message>
        <source>Convert to UTF-8 and edit %1</source>
        <translation>UTF-8 に変換して %1 を編集</translation>
    </message>
    <message>
        <source>Not set: the background takes a picture, not %1.</source>
        <translation>設定されません: 背景に使えるのは画像で、%1 は使えません。</translation>
    </message>
    <message>
        <source>Not set: drop one picture and one other file at most.</source>
        <translation>設定されません: ドロップできるのは画像 1 つとほかのファイル 1 つまでです。</translation>
    </message>
    <message>
        <source>Not set: %1</source>
        <translation>設定されません: %1</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 を %2 として</translation>
    </message>
    <message>
        <source>Copy into the menu folder?</source>
        <translation>メニューフォルダーにコピーしますか?</translation>
    </message>
    <message>
        <source>The menu finds only files inside its folder. Copy into it:

%1?</source>
        <translation>メニューは自分のフォルダー内のファイルしか見つけられません。次をコピーしますか:

%1</translation>
    </message>
    <message>
        <source>Not set: %1 is outside the menu folder and was not copied in.</source>
        <translation>設定されません: %1 はメニューフォルダーの外にあり、コピーされませんでした。</translation>
    </message>
    <message>
        <source>Drop on the background</source>
        <translation>背景へのドロップ</translation>
    </message>
    <message>
        <source>Drop on entry %1</source>
        <translation>項目 %1 へのドロップ</translation>
    </message>
    <message>
        <source>Unchanged: the entry names these files already.</source>
        <translation>変更なし: 項目はすでにこれらのファイルを指しています。</translation>
    </message>
    <message>
        <source>Not set: install.ini cannot hold these names in its encoding.</source>
        <translation>設定されません: install.ini のエンコーディングではこれらの名前を保持できません。</translation>
    </message>
    <message>
        <source>Copied in: %1</source>
        <translation>コピーしました: %1</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>保存されていません</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存の変更</translation>
    </message>
    <message>
        <source>install.ini has changes that are not saved. Save them?</source>
        <translation>install.ini に保存されていない変更があります。保存しますか?</translation>
    </message>
    <message>
        <source>Open a menu folder</source>
        <translation>メニューフォルダーを開く</translation>
    </message>
    <message>
        <source>Choose or create an empty folder for the menu</source>
        <translation>メニュー用の空のフォルダーを選択または作成</translation>
    </message>
    <message>
        <source>No new menu</source>
        <translation>新しいメニューは作成されませんでした</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>実行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Test run</source>
        <translation>テスト実行(&amp;T)</translation>
    </message>
    <message>
        <source>Test run under &amp;Wine</source>
        <translation>Wine でテスト実行(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Build images...</source>
        <translation>イメージを作成(&amp;B)...</translation>
    </message>
    <message>
        <source>No test run: %1</source>
        <translation>テスト実行できません: %1</translation>
    </message>
    <message>
        <source>The test run ended (status %1).</source>
        <translation>テスト実行が終了しました (状態 %1)。</translation>
    </message>
    <message>
        <source>Test run of %1 started.</source>
        <translation>%1 のテスト実行を開始しました。</translation>
    </message>
    <message>
        <source>Save install.ini first: the images hold the saved folder.</source>
        <translation>先に install.ini を保存してください: イメージには保存済みのフォルダーが入ります。</translation>
    </message>
    <message>
        <source>Where to write the disc and stick images</source>
        <translation>ディスクと USB メモリのイメージの保存先</translation>
    </message>
    <message>
        <source>Images written to %1</source>
        <translation>イメージを %1 に書き込みました</translation>
    </message>
    <message>
        <source>No images</source>
        <translation>イメージは作成されませんでした</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>変換(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>保存しない(&amp;N)</translation>
    </message>
    <message>
        <source>Add the missing items?</source>
        <translation>不足している項目を追加しますか?</translation>
    </message>
    <message>
        <source>%1 holds %2 of the 34 items the menu reads; the menu stops where they end.

Add the missing items at the end of the file? Added show flags are 0, which hides their entries; an added button picture repeats the one before it; other added items are empty, and the findings say what still needs a value. Nothing before them changes, and the file is written only when you save.</source>
        <translation>%1 には、メニューが読む 34 項目のうち %2 項目しかありません。メニューは項目が尽きたところで停止します。

不足している項目をファイルの末尾に追加しますか? 追加される表示フラグは 0 で、対応するボタンは非表示になります。追加されるボタンの画像は直前のものと同じになります。その他の追加項目は空で、まだ値が必要なものは検出事項に示されます。それより前の内容は変わらず、ファイルは保存したときにだけ書き込まれます。</translation>
    </message>
    <message>
        <source>&amp;Add Items</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>Not changed: install.ini ends before item %1.</source>
        <translation>変更なし: install.ini は項目 %1 より前で終わっています。</translation>
    </message>
    <message>
        <source>Not set: install.ini ends before this entry&apos;s items.</source>
        <translation>設定されません: install.ini はこのボタンの項目より前で終わっています。</translation>
    </message>
</context>
<context>
    <name>MenuCanvas</name>
    <message>
        <source>Menu window</source>
        <translation>メニューウィンドウ</translation>
    </message>
    <message>
        <source>Click a button, a label or the background to select it; type to change the selected entry&apos;s caption</source>
        <translation>ボタン、ラベル、背景をクリックして選択します。入力すると選択した項目の見出しが変わります</translation>
    </message>
    <message>
        <source>Open a menu folder (File &gt; Open)</source>
        <translation>メニューフォルダーを開いてください (ファイル &gt; 開く)</translation>
    </message>
    <message>
        <source>Hidden in the menu</source>
        <translation>メニューでは非表示</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>ラベル %1</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>ボタン %1</translation>
    </message>
</context>
<context>
    <name>PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>項目 %1</translation>
    </message>
    <message>
        <source>Selected control</source>
        <translation>選択中のコントロール</translation>
    </message>
    <message>
        <source>&amp;Control:</source>
        <translation>コントロール(&amp;C):</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Entry shown</source>
        <translation>項目を表示</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>見出し(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>ターゲット(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Picture:</source>
        <translation>画像(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>タイトル(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>背景(&amp;B):</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>見出し</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>ターゲット</translation>
    </message>
    <message>
        <source>Button picture</source>
        <translation>ボタンの画像</translation>
    </message>
    <message>
        <source>Window title</source>
        <translation>ウィンドウのタイトル</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景画像</translation>
    </message>
</context>
<context>
    <name>discmenu-editor</name>
    <message>
        <source>Convert to UTF-8</source>
        <translation>UTF-8 に変換</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 を編集</translation>
    </message>
</context>
<context>
    <name>discmenu::editor::PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
</context>
</TS>
