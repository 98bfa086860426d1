<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DesignControls</name>
    <message>
        <source>Thornax banner</source>
        <translation>Thornax-Banner</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>Restzeit:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Starts the level</source>
        <translation>Startet das Level</translation>
    </message>
    <message>
        <source>Drill button, left</source>
        <translation>Übungsknopf, links</translation>
    </message>
    <message>
        <source>Drill button, middle</source>
        <translation>Übungsknopf, Mitte</translation>
    </message>
    <message>
        <source>Drill button, right</source>
        <translation>Übungsknopf, rechts</translation>
    </message>
    <message>
        <source>Module 1: Installer Guide</source>
        <translation>Modul 1: Installationsassistent</translation>
    </message>
    <message>
        <source>The rules are simple, just hit the [Next] button.</source>
        <translation>Die Regeln sind einfach: Drück einfach den Knopf [Weiter].</translation>
    </message>
    <message>
        <source>If you click wrong, time will be removed.</source>
        <translation>Wer falsch klickt, dem wird Zeit abgezogen.</translation>
    </message>
    <message>
        <source>15 right clicks in the time for next level .</source>
        <translation>15 richtige Klicks in der Zeit fürs nächste Level.</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>You finished level %1.Get ready for the next one!</source>
        <translation>Level %1 geschafft. Mach dich bereit fürs nächste!</translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation>Du hast dieses Modul abgeschlossen!</translation>
    </message>
    <message>
        <source>Time&apos;s out biatch! You scored %1 of 15.</source>
        <translation>Zeit um, du Lusche! Du hast %1 von 15 geschafft.</translation>
    </message>
    <message>
        <source>Remaining time:%1 seconds.</source>
        <translation>Restzeit: %1 Sekunden.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>A brown fox jumps over the river, which has been polluted by the acid rains.</source>
        <translation>Ein brauner Fuchs springt über den Fluss, der vom sauren Regen verschmutzt wurde.</translation>
    </message>
    <message>
        <source>A white man said that the yellow banana was rotten. The asian girl said, no it is not rotten!</source>
        <translation>Ein weißer Mann sagte, die gelbe Banane sei faul. Das asiatische Mädchen sagte, nein, sie ist nicht faul!</translation>
    </message>
    <message>
        <source>A green basket on the green man had a green stick in his green hand and the green light said, May it be yellow!</source>
        <translation>Ein grüner Korb auf dem grünen Mann hatte einen grünen Stock in seiner grünen Hand und das grüne Licht sagte, Möge es gelb sein!</translation>
    </message>
    <message>
        <source>Please retype the following text</source>
        <translation>Bitte tippe den folgenden Text ab</translation>
    </message>
    <message>
        <source>Just try to retype the text shown in this frame in the textbox below.</source>
        <translation>Versuch einfach, den Text in diesem Rahmen im Textfeld darunter abzutippen.</translation>
    </message>
    <message>
        <source>Elapsed time:</source>
        <translation>Vergangene Zeit:</translation>
    </message>
    <message>
        <source>Chars / second:</source>
        <translation>Zeichen / Sekunde:</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>SCORE:</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Press this button to start the exercise!</source>
        <translation>Drück diesen Knopf, um die Übung zu starten!</translation>
    </message>
    <message>
        <source>Typing box</source>
        <translation>Tippfeld</translation>
    </message>
    <message>
        <source>Retype the sentence here</source>
        <translation>Tippe den Satz hier ab</translation>
    </message>
    <message>
        <source>Sentence to retype</source>
        <translation>Abzutippender Satz</translation>
    </message>
    <message>
        <source>Module 2: Typing</source>
        <translation>Modul 2: Tippen</translation>
    </message>
    <message>
        <source>Chars / second: %1</source>
        <translation>Zeichen / Sekunde: %1</translation>
    </message>
    <message>
        <source>Elapsed time: %1 seconds</source>
        <translation>Vergangene Zeit: %1 Sekunden</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>SCORE: %1</translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation>Du hast dieses Modul abgeschlossen!</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Module 3: Scroll</source>
        <translation>Modul 3: Scrollen</translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation>Du hast dieses Modul abgeschlossen!</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Magic number</source>
        <translation>Zauberzahl</translation>
    </message>
    <message>
        <source>Bar %1</source>
        <translation>Balken %1</translation>
    </message>
    <message>
        <source>Value of bar %1</source>
        <translation>Wert von Balken %1</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Hereby, %1 is a Thornax certificated Windows%2 user.%3He can, and will use the operating system with full effiency.%3He is also considered indeed suitable for all kinds of jobs, such as programmer, network technician, even a member of the Frostlan tech-Crew.</source>
        <extracomment>%1 is the name typed, %2 the trade mark sign, %3 starts a new paragraph.</extracomment>
        <translation>Hiermit ist %1 ein von Thornax zertifizierter Windows%2-Benutzer.%3Er kann und wird das Betriebssystem mit voller Effizienz nutzen.%3Er gilt zudem als durchaus geeignet für alle Arten von Jobs, etwa als Programmierer, Netzwerktechniker, ja sogar als Mitglied der Frostlan-Tech-Crew.</translation>
    </message>
    <message>
        <source>ThorNax Certificate</source>
        <translation>ThorNax-Zertifikat</translation>
    </message>
    <message>
        <source>Windows%1 is a registered trademark of Microsoft%1 Coporation</source>
        <extracomment>%1 is the trade mark sign.</extracomment>
        <translation>Windows%1 ist eine eingetragene Marke der Microsoft%1 Corporation</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Medaille</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Bitte gib deinen Namen ein</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Thornax Explorer</source>
        <translation>Thornax Explorer</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>It seems as if that site is censored!%1We will direct you to an uncensored site!</source>
        <extracomment>%1 starts the second line.</extracomment>
        <translation>Diese Seite scheint zensiert zu sein!%1Wir leiten dich auf eine unzensierte Seite um!</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Modul</translation>
    </message>
    <message>
        <source>Module 1: The Installer</source>
        <translation>Modul 1: Der Installer</translation>
    </message>
    <message>
        <source>Module 2: Scrolling</source>
        <translation>Modul 2: Scrollen</translation>
    </message>
    <message>
        <source>Module 3: Typing</source>
        <translation>Modul 3: Tippen</translation>
    </message>
    <message>
        <source>Get certificate</source>
        <translation>Zertifikat holen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Browser</source>
        <translation>&amp;Browser</translation>
    </message>
    <message>
        <source>You are already done with this module!</source>
        <translation>Mit diesem Modul bist du schon fertig!</translation>
    </message>
    <message>
        <source>This is a contribution to the Mirelund Competition%1Made by the wonderful Thornax Studios</source>
        <extracomment>%1 starts the second line.</extracomment>
        <translation>Dies ist ein Beitrag zum Mirelund-Wettbewerb%1Gemacht von den wunderbaren Thornax Studios</translation>
    </message>
</context>
<context>
    <name>StartupDecision</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>„%1 --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options, such as -platform and -style, are accepted as well.</source>
        <translation>Die Standardoptionen von Qt wie -platform und -style werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>%1: drills hitting Next, holding scroll bars and retyping, then hands out a certificate. Nothing is saved.</source>
        <translation>%1: drillt das Treffen von Weiter, das Festhalten von Bildlaufleisten und das Abtippen und stellt dann ein Zertifikat aus. Nichts wird gespeichert.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Name und Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the program takes none.</source>
        <translation>unerwartetes Argument „%1“; das Programm nimmt keine an.</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set); start it from a desktop session, or on a virtual one with: xvfb-run %1</source>
        <translation>keine Anzeige gefunden (DISPLAY ist nicht gesetzt); starten Sie es in einer Desktop-Sitzung oder in einer virtuellen mit: xvfb-run %1</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
</context>
<context>
    <name>WebEnginePlugin</name>
    <message>
        <source>Pages are not shown to the root account: the browser&apos;s sandbox cannot run there.
Run the trainer as an ordinary user, or set QTWEBENGINE_DISABLE_SANDBOX=1 to show pages without it.</source>
        <translation>Für das Root-Konto werden keine Seiten angezeigt: Die Sandbox des Browsers kann dort nicht laufen.
Starten Sie den Trainer als gewöhnlicher Benutzer, oder setzen Sie QTWEBENGINE_DISABLE_SANDBOX=1, um Seiten ohne sie anzuzeigen.</translation>
    </message>
</context>
<context>
    <name>WebViewModule</name>
    <message>
        <source>The web view could not be loaded.</source>
        <translation>Die Webansicht konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>This version shows no web pages.</source>
        <translation>Diese Version zeigt keine Webseiten an.</translation>
    </message>
    <message>
        <source>%1 was not found in %2.</source>
        <translation>%1 wurde in %2 nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 is not a web view module.</source>
        <translation>%1 ist kein Webansichtsmodul.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Total Score: %1</source>
        <translation>Punkte gesamt: %1</translation>
    </message>
    <message>
        <source>Thornax logo</source>
        <translation>Thornax-Logo</translation>
    </message>
    <message>
        <source>About MyApp</source>
        <translation>Über MyApp</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source> - Certification completed</source>
        <translation> - Zertifizierung abgeschlossen</translation>
    </message>
    <message>
        <source>Finished with %1 points!</source>
        <translation>Fertig mit %1 Punkten!</translation>
    </message>
</context>
</TS>
