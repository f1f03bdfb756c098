<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CallTexts</name>
    <message numerus="yes">
        <source> and %n more card(s)</source>
        <translation>
            <numerusform> and %n more card</numerusform>
            <numerusform> and %n more cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Card %1: no bingo yet, %n cell(s) short of %2</source>
        <translation>
            <numerusform>Card %1: no bingo yet, %n cell short of %2</numerusform>
            <numerusform>Card %1: no bingo yet, %n cells short of %2</numerusform>
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
    <name>TFrmCaller</name>
    <message numerus="yes">
        <source>%n of the call(s) kept in the game file named no entry of the game, or repeated an earlier call, and were left out.</source>
        <translation>
            <numerusform>%n call kept in the game file named no entry of the game, or repeated an earlier call, and was left out.</numerusform>
            <numerusform>%n of the calls kept in the game file named no entry of the game, or repeated an earlier call, and were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game %1 · %n card(s) · %2 x %2</source>
        <translation>
            <numerusform>Game %1 · %n card · %2 x %2</numerusform>
            <numerusform>Game %1 · %n cards · %2 x %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Word list · %n entry(s), no cards</source>
        <translation>
            <numerusform>Word list · %n entry, no cards</numerusform>
            <numerusform>Word list · %n entries, no cards</numerusform>
        </translation>
    </message>
</context>
</TS>
