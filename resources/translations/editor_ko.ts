<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Ask</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>EditorDocument</name>
    <message>
        <source>Add the missing items</source>
        <translation>빠진 항목 추가</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>install.ini was changed on disk by another program.</source>
        <translation>다른 프로그램이 디스크의 install.ini를 변경했습니다.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>다시 읽기(&amp;R)</translation>
    </message>
    <message>
        <source>Reload the file from disk</source>
        <translation>디스크에서 파일 다시 읽기</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>내 버전 유지(&amp;K)</translation>
    </message>
    <message>
        <source>Keep my version</source>
        <translation>내 버전 유지</translation>
    </message>
</context>
<context>
    <name>FindingsDock</name>
    <message>
        <source>Findings</source>
        <translation>발견 사항</translation>
    </message>
    <message>
        <source>No findings: the menu starts as designed.</source>
        <translation>발견 사항 없음: 메뉴가 설계대로 시작됩니다.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>새로 만들기(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>끝내기(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
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
        <translation>install.ini의 어떤 항목도 이 텍스트를 담을 수 없습니다: 여기에는 큰따옴표를 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Convert install.ini to UTF-8?</source>
        <translation>install.ini를 UTF-8로 변환할까요?</translation>
    </message>
    <message>
        <source>install.ini is written in %1, which cannot hold this text.

Convert the whole file to UTF-8 with a byte-order mark? The menu reads it the same; every other text stays as it is.</source>
        <translation>install.ini는 %1(으)로 작성되어 이 텍스트를 담을 수 없습니다.

파일 전체를 BOM이 있는 UTF-8로 변환할까요? 메뉴는 똑같이 읽으며 다른 텍스트는 그대로 남습니다.</translation>
    </message>
    <message>
        <source>Not changed: %1 cannot hold this text.</source>
        <translation>변경 안 됨: %1은(는) 이 텍스트를 담을 수 없습니다.</translation>
    </message>
    <message>
        <source>Convert to UTF-8 and edit %1</source>
        <translation>UTF-8로 변환하고 %1 편집</translation>
    </message>
    <message>
        <source>Not set: the background takes a picture, not %1.</source>
        <translation>설정 안 됨: 배경에는 그림만 쓸 수 있으며 %1은(는) 안 됩니다.</translation>
    </message>
    <message>
        <source>Not set: drop one picture and one other file at most.</source>
        <translation>설정 안 됨: 그림 하나와 다른 파일 하나까지만 놓을 수 있습니다.</translation>
    </message>
    <message>
        <source>Not set: %1</source>
        <translation>설정 안 됨: %1</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>Copy into the menu folder?</source>
        <translation>메뉴 폴더로 복사할까요?</translation>
    </message>
    <message>
        <source>The menu finds only files inside its folder. Copy into it:

%1?</source>
        <translation>메뉴는 자기 폴더 안의 파일만 찾습니다. 다음을 복사할까요:

%1</translation>
    </message>
    <message>
        <source>Not set: %1 is outside the menu folder and was not copied in.</source>
        <translation>설정 안 됨: %1은(는) 메뉴 폴더 밖에 있고 복사되지 않았습니다.</translation>
    </message>
    <message>
        <source>Drop on the background</source>
        <translation>배경에 놓기</translation>
    </message>
    <message>
        <source>Drop on entry %1</source>
        <translation>항목 %1에 놓기</translation>
    </message>
    <message>
        <source>Unchanged: the entry names these files already.</source>
        <translation>변경 없음: 항목이 이미 이 파일들을 가리킵니다.</translation>
    </message>
    <message>
        <source>Not set: install.ini cannot hold these names in its encoding.</source>
        <translation>설정 안 됨: install.ini의 인코딩으로는 이 이름들을 담을 수 없습니다.</translation>
    </message>
    <message>
        <source>Copied in: %1</source>
        <translation>복사함: %1</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>저장 안 됨</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 저장함</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>저장하지 않은 변경 사항</translation>
    </message>
    <message>
        <source>install.ini has changes that are not saved. Save them?</source>
        <translation>install.ini에 저장하지 않은 변경 사항이 있습니다. 저장할까요?</translation>
    </message>
    <message>
        <source>Open a menu folder</source>
        <translation>메뉴 폴더 열기</translation>
    </message>
    <message>
        <source>Choose or create an empty folder for the menu</source>
        <translation>메뉴용 빈 폴더를 선택하거나 만드세요</translation>
    </message>
    <message>
        <source>No new menu</source>
        <translation>새 메뉴를 만들지 못했습니다</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>실행(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Test run</source>
        <translation>시험 실행(&amp;T)</translation>
    </message>
    <message>
        <source>Test run under &amp;Wine</source>
        <translation>Wine에서 시험 실행(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Build images...</source>
        <translation>이미지 만들기(&amp;B)...</translation>
    </message>
    <message>
        <source>No test run: %1</source>
        <translation>시험 실행 안 됨: %1</translation>
    </message>
    <message>
        <source>The test run ended (status %1).</source>
        <translation>시험 실행이 끝났습니다 (상태 %1).</translation>
    </message>
    <message>
        <source>Test run of %1 started.</source>
        <translation>%1 시험 실행을 시작했습니다.</translation>
    </message>
    <message>
        <source>Save install.ini first: the images hold the saved folder.</source>
        <translation>먼저 install.ini를 저장하세요: 이미지에는 저장된 폴더가 들어갑니다.</translation>
    </message>
    <message>
        <source>Where to write the disc and stick images</source>
        <translation>디스크와 USB 메모리 이미지를 쓸 위치</translation>
    </message>
    <message>
        <source>Images written to %1</source>
        <translation>이미지를 %1에 썼습니다</translation>
    </message>
    <message>
        <source>No images</source>
        <translation>이미지 없음</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>변환(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>저장 안 함(&amp;N)</translation>
    </message>
    <message>
        <source>Add the missing items?</source>
        <translation>빠진 항목을 추가할까요?</translation>
    </message>
    <message>
        <source>%1 holds %2 of the 34 items the menu reads; the menu stops where they end.

Add the missing items at the end of the file? Added show flags are 0, which hides their entries; an added button picture repeats the one before it; other added items are empty, and the findings say what still needs a value. Nothing before them changes, and the file is written only when you save.</source>
        <translation>%1에는 메뉴가 읽는 34개 항목 중 %2개만 있습니다. 메뉴는 항목이 끝나는 곳에서 멈춥니다.

빠진 항목을 파일 끝에 추가할까요? 추가되는 표시 플래그는 0이라 해당 버튼이 숨겨집니다. 추가되는 버튼 그림은 바로 앞의 그림과 같습니다. 그 밖의 추가 항목은 비어 있으며, 아직 값이 필요한 항목은 발견 사항에 표시됩니다. 그 앞의 내용은 바뀌지 않으며, 파일은 저장할 때에만 기록됩니다.</translation>
    </message>
    <message>
        <source>&amp;Add Items</source>
        <translation>추가(&amp;A)</translation>
    </message>
    <message>
        <source>Not changed: install.ini ends before item %1.</source>
        <translation>변경 안 됨: install.ini는 항목 %1 앞에서 끝납니다.</translation>
    </message>
    <message>
        <source>Not set: install.ini ends before this entry&apos;s items.</source>
        <translation>설정 안 됨: install.ini가 이 버튼의 항목들보다 앞에서 끝납니다.</translation>
    </message>
</context>
<context>
    <name>MenuCanvas</name>
    <message>
        <source>Menu window</source>
        <translation>메뉴 창</translation>
    </message>
    <message>
        <source>Click a button, a label or the background to select it; type to change the selected entry&apos;s caption</source>
        <translation>버튼, 레이블 또는 배경을 클릭하여 선택하고, 입력하면 선택한 항목의 캡션이 바뀝니다</translation>
    </message>
    <message>
        <source>Open a menu folder (File &gt; Open)</source>
        <translation>메뉴 폴더를 여세요 (파일 &gt; 열기)</translation>
    </message>
    <message>
        <source>Hidden in the menu</source>
        <translation>메뉴에서 숨겨짐</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>레이블 %1</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>버튼 %1</translation>
    </message>
</context>
<context>
    <name>PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>창</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>항목 %1</translation>
    </message>
    <message>
        <source>Selected control</source>
        <translation>선택한 컨트롤</translation>
    </message>
    <message>
        <source>&amp;Control:</source>
        <translation>컨트롤(&amp;C):</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Entry shown</source>
        <translation>항목 표시</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>캡션(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>대상(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Picture:</source>
        <translation>그림(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>제목(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>배경(&amp;B):</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>캡션</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>대상</translation>
    </message>
    <message>
        <source>Button picture</source>
        <translation>버튼 그림</translation>
    </message>
    <message>
        <source>Window title</source>
        <translation>창 제목</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>배경 그림</translation>
    </message>
</context>
<context>
    <name>discmenu-editor</name>
    <message>
        <source>Convert to UTF-8</source>
        <translation>UTF-8로 변환</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 편집</translation>
    </message>
</context>
<context>
    <name>discmenu::editor::PropertiesDock</name>
    <message>
        <source>Properties</source>
        <translation>속성</translation>
    </message>
</context>
</TS>
