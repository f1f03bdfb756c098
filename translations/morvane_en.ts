<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CallTexts</name>
    <message numerus="yes">
        <source>Card %1: no bingo yet, %n cell(s) short of %2</source>
        <translation>
            <numerusform>Card %1: no bingo yet, %n cell short of %2</numerusform>
            <numerusform>Card %1: no bingo yet, %n cells short of %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %Ln more card(s)</source>
        <translation>
            <numerusform> and %Ln more card</numerusform>
            <numerusform> and %Ln more cards</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardPrintJob</name>
    <message numerus="yes">
        <source>These entries make only %n different card(s). Print anyway, repeating some cards?</source>
        <translation>
            <numerusform>These entries make only %n different card. Print anyway, repeating some cards?</numerusform>
            <numerusform>These entries make only %n different cards. Print anyway, repeating some cards?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message numerus="yes">
        <source>Printing: %1 of %n page(s)</source>
        <translation>
            <numerusform>Printing: %1 of %n page</numerusform>
            <numerusform>Printing: %1 of %n pages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayPanel</name>
    <message numerus="yes">
        <source>%n phone(s) connected, %1 card(s) held</source>
        <translation>
            <numerusform>%n phone connected, %1 card(s) held</numerusform>
            <numerusform>%n phones connected, %1 card(s) held</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Claims to check: %n</source>
        <translation>
            <numerusform>Claims to check: %n</numerusform>
            <numerusform>Claims to check: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayServer</name>
    <message numerus="yes">
        <source>Wait %n seconds before you claim again.</source>
        <translation>
            <numerusform>Wait %n second before you claim again.</numerusform>
            <numerusform>Wait %n seconds before you claim again.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtProgress</name>
    <message numerus="yes">
        <source>%1: %2 of %n page(s)</source>
        <translation>
            <numerusform>%1: %2 of %n page</numerusform>
            <numerusform>%1: %2 of %n pages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message numerus="yes">
        <source>not yet: %n numbers missing</source>
        <translation>
            <numerusform>not yet: %n number missing</numerusform>
            <numerusform>not yet: %n numbers missing</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not yet: %n entries missing</source>
        <translation>
            <numerusform>not yet: %n entry missing</numerusform>
            <numerusform>not yet: %n entries missing</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFrmCaller</name>
    <message numerus="yes">
        <source>%Ln of the call(s) kept in the game file named no entry of the game, or repeated an earlier call, and were left out.</source>
        <translation>
            <numerusform>%Ln of the calls kept in the game file named no entry of the game, or repeated an earlier call, and was left out.</numerusform>
            <numerusform>%Ln of the calls kept in the game file named no entry of the game, or repeated an earlier call, and were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game %1 · %Ln card(s) · %2 x %2</source>
        <translation>
            <numerusform>Game %1 · %Ln card · %2 x %2</numerusform>
            <numerusform>Game %1 · %Ln cards · %2 x %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Word list · %Ln entry(s), no cards</source>
        <translation>
            <numerusform>Word list · %Ln entry, no cards</numerusform>
            <numerusform>Word list · %Ln entries, no cards</numerusform>
        </translation>
    </message>
</context>
</TS>
