<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FriendSearchWindow</name>
    <message numerus="yes">
        <source>%Ln user(s) found</source>
        <translation>
            <numerusform>%Ln user found</numerusform>
            <numerusform>%Ln users found</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstallerLayer</name>
    <message>
        <source>The new client was saved as %1. On this system, please install updates through your package manager.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mahjong</name>
    <message>
        <source>1 of Bamboos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 of Bamboos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 of Bamboos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 of Bamboos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 of Bamboos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 of Bamboos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 of Bamboos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 of Bamboos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 of Bamboos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 of Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 of Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 of Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 of Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 of Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 of Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 of Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 of Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 of Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 of Circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 of Circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 of Circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 of Circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 of Circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 of Circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 of Circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 of Circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 of Circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East Wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West Wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plum Blossom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chrysanthemum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown tile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MahjongApplication</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program has to end because of an error:
%1

Please send the log file %2 to our support so that we can fix it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application is already started in another window!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln min(s)</source>
        <translation>
            <numerusform>%Ln min</numerusform>
            <numerusform>%Ln min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MahjongSplash</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New version available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 of the client is available; you have version %2.
Please update the client to go on playing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message numerus="yes">
        <source>%nwins</source>
        <comment>don&apos;t include %n in translation, only used to get correct noun form</comment>
        <translation>
            <numerusform>win</numerusform>
            <numerusform>wins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%npts</source>
        <comment>don&apos;t include %n in translation, only used to get correct noun form</comment>
        <translation>
            <numerusform>pt</numerusform>
            <numerusform>pts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SeatedWindow</name>
    <message numerus="yes">
        <source>You will automatically be unseated from this table in %Ln second(s)</source>
        <translation>
            <numerusform>You will automatically be unseated from this table in %Ln second</numerusform>
            <numerusform>You will automatically be unseated from this table in %Ln seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Checking the server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service is down for maintenance. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new client could not be downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TablePreview</name>
    <message numerus="yes">
        <source>%1 (Max loss, at %n point(s) or lower)</source>
        <translation>
            <numerusform>%1 (Max loss, at %n point or lower)</numerusform>
            <numerusform>%1 (Max loss, at %n points or lower)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (Max loss, at -%n point(s) or lower)</source>
        <translation>
            <numerusform>%1 (Max loss, at -%n point or lower)</numerusform>
            <numerusform>%1 (Max loss, at -%n points or lower)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableInfo</name>
    <message numerus="yes">
        <source>%1-%n fan(s)</source>
        <translation>
            <numerusform>%1-%n fan</numerusform>
            <numerusform>%1-%n fans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln second</numerusform>
            <numerusform>%Ln seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TranslationsManager</name>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WaitingForPlayersWindow</name>
    <message numerus="yes">
        <source>Waiting for %n player(s) to join table.</source>
        <translation>
            <numerusform>Waiting for %n player to join table.</numerusform>
            <numerusform>Waiting for %n players to join table.</numerusform>
        </translation>
    </message>
</context>
</TS>
