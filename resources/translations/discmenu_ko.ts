<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>discmenu</name>
    <message>
        <source>Run-time error %1:</source>
        <translation>런타임 오류 %1:</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>오류 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>메모리가 부족합니다</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>형식이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>파일을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>파일의 끝을 지나서 입력했습니다</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>경로/파일 액세스 오류</translation>
    </message>
    <message>
        <source>Specified DLL function not found</source>
        <translation>지정한 DLL 함수를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>잘못된 그림</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>응용 프로그램 정의 오류 또는 개체 정의 오류입니다</translation>
    </message>
    <message>
        <source>item %1 (%2)</source>
        <translation>항목 %1(%2)</translation>
    </message>
    <message>
        <source>%1 is missing: the file holds no items</source>
        <translation>%1이(가) 없습니다: 파일에 항목이 없습니다</translation>
    </message>
    <message>
        <source>%1 is missing: the file ends after %2 of the %3 items</source>
        <translation>%1이(가) 없습니다: 파일이 %3개 항목 중 %2개 뒤에서 끝납니다</translation>
    </message>
    <message>
        <source>%1 does not end within the first %2 MiB of the file; is a closing double quote missing?</source>
        <translation>%1이(가) 파일의 처음 %2MiB 안에서 끝나지 않습니다. 닫는 큰따옴표가 빠졌습니까?</translation>
    </message>
    <message>
        <source>%1 is the text &quot;%2&quot;, which is not a number: write 1 to show entry %3 or 0 to hide it</source>
        <translation>%1은(는) 숫자가 아닌 텍스트 &quot;%2&quot;입니다. 항목 %3을(를) 표시하려면 1, 숨기려면 0을 쓰십시오</translation>
    </message>
    <message>
        <source>%1: is a directory</source>
        <translation>%1: 폴더입니다</translation>
    </message>
    <message>
        <source>%1: is not a regular file</source>
        <translation>%1: 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: is a directory, not a picture file</source>
        <translation>%1: 그림 파일이 아닌 폴더입니다</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1: 파일이 비어 있습니다</translation>
    </message>
    <message>
        <source>%1: the file is larger than the %2 MiB a picture file may take</source>
        <translation>%1: 파일이 그림 파일에 허용되는 %2MiB보다 큽니다</translation>
    </message>
    <message>
        <source>%1: the picture has no size</source>
        <translation>%1: 그림에 크기가 없습니다</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels, more than the 64 megapixels a picture may have</source>
        <translation>%1: 그림이 %2 x %3 픽셀로, 허용되는 6400만 화소를 넘습니다</translation>
    </message>
    <message>
        <source>%1: not a picture file that can be read</source>
        <translation>%1: 읽을 수 있는 그림 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded (%2)</source>
        <translation>%1: 그림을 디코딩할 수 없습니다(%2)</translation>
    </message>
    <message>
        <source>%1: the JPEG data ends too early (the file is cut off)</source>
        <translation>%1: JPEG 데이터가 너무 일찍 끝납니다(파일이 잘렸습니다)</translation>
    </message>
    <message>
        <source>%1: the GIF data ends too early (the file is cut off)</source>
        <translation>%1: GIF 데이터가 너무 일찍 끝납니다(파일이 잘렸습니다)</translation>
    </message>
    <message>
        <source>%1: the BMP header is cut off</source>
        <translation>%1: BMP 헤더가 잘렸습니다</translation>
    </message>
    <message>
        <source>%1: the BMP pixel data is cut off</source>
        <translation>%1: BMP 픽셀 데이터가 잘렸습니다</translation>
    </message>
    <message>
        <source>cannot tell the folder that holds the running program</source>
        <translation>실행 중인 프로그램이 있는 폴더를 알 수 없습니다</translation>
    </message>
    <message>
        <source>cannot find &quot;%1&quot;. Make sure the name is right, then try again.</source>
        <translation>&quot;%1&quot;을(를) 찾을 수 없습니다. 이름이 올바른지 확인한 다음 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: no program is available to open it</source>
        <translation>&quot;%1&quot;을(를) 열 수 없습니다: 열 수 있는 프로그램이 없습니다</translation>
    </message>
    <message>
        <source>cannot show the menu window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>메뉴 창을 표시할 수 없습니다: 디스플레이가 없습니다(DISPLAY와 WAYLAND_DISPLAY 모두 설정되지 않음)</translation>
    </message>
    <message>
        <source>cannot show the menu window: %1</source>
        <translation>메뉴 창을 표시할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>cannot create the menu window</source>
        <translation>메뉴 창을 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>배경 그림</translation>
    </message>
</context>
</TS>
