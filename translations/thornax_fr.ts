<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DesignControls</name>
    <message>
        <source>Thornax banner</source>
        <translation>Bannière Thornax</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>START</source>
        <translation>DÉPART</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>Temps restant :</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Starts the level</source>
        <translation>Lance le niveau</translation>
    </message>
    <message>
        <source>Drill button, left</source>
        <translation>Bouton d&apos;exercice, gauche</translation>
    </message>
    <message>
        <source>Drill button, middle</source>
        <translation>Bouton d&apos;exercice, milieu</translation>
    </message>
    <message>
        <source>Drill button, right</source>
        <translation>Bouton d&apos;exercice, droite</translation>
    </message>
    <message>
        <source>Module 1: Installer Guide</source>
        <translation>Module 1 : Guide d&apos;installation</translation>
    </message>
    <message>
        <source>The rules are simple, just hit the [Next] button.</source>
        <translation>Les règles sont simples : clique juste sur le bouton [Suivant].</translation>
    </message>
    <message>
        <source>If you click wrong, time will be removed.</source>
        <translation>Si tu cliques à côté, on te retire du temps.</translation>
    </message>
    <message>
        <source>15 right clicks in the time for next level .</source>
        <translation>15 bons clics dans le temps pour le niveau suivant.</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Niveau : %1</translation>
    </message>
    <message>
        <source>You finished level %1.Get ready for the next one!</source>
        <translation>Niveau %1 terminé. Prépare-toi pour le suivant !</translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation>Tu as terminé ce module !</translation>
    </message>
    <message>
        <source>Time&apos;s out biatch! You scored %1 of 15.</source>
        <translation>Temps écoulé, boulet ! Tu as marqué %1 sur 15.</translation>
    </message>
    <message>
        <source>Remaining time:%1 seconds.</source>
        <translation>Temps restant : %1 secondes.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>A brown fox jumps over the river, which has been polluted by the acid rains.</source>
        <translation>Un renard brun saute par-dessus la rivière, polluée par les pluies acides.</translation>
    </message>
    <message>
        <source>A white man said that the yellow banana was rotten. The asian girl said, no it is not rotten!</source>
        <translation>Un homme blanc a dit que la banane jaune était pourrie. La fille asiatique a dit, non elle n&apos;est pas pourrie !</translation>
    </message>
    <message>
        <source>A green basket on the green man had a green stick in his green hand and the green light said, May it be yellow!</source>
        <translation>Un panier vert sur l&apos;homme vert avait un bâton vert dans sa main verte et le feu vert a dit, Qu&apos;il soit jaune !</translation>
    </message>
    <message>
        <source>Please retype the following text</source>
        <translation>Merci de retaper le texte suivant</translation>
    </message>
    <message>
        <source>Just try to retype the text shown in this frame in the textbox below.</source>
        <translation>Essaie simplement de retaper le texte de ce cadre dans la zone de texte ci-dessous.</translation>
    </message>
    <message>
        <source>Elapsed time:</source>
        <translation>Temps écoulé :</translation>
    </message>
    <message>
        <source>Chars / second:</source>
        <translation>Caractères / seconde :</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>SCORE :</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉPART</translation>
    </message>
    <message>
        <source>Press this button to start the exercise!</source>
        <translation>Appuie sur ce bouton pour commencer l&apos;exercice !</translation>
    </message>
    <message>
        <source>Typing box</source>
        <translation>Zone de frappe</translation>
    </message>
    <message>
        <source>Retype the sentence here</source>
        <translation>Retape la phrase ici</translation>
    </message>
    <message>
        <source>Sentence to retype</source>
        <translation>Phrase à retaper</translation>
    </message>
    <message>
        <source>Module 2: Typing</source>
        <translation>Module 2 : Frappe</translation>
    </message>
    <message>
        <source>Chars / second: %1</source>
        <translation>Caractères / seconde : %1</translation>
    </message>
    <message>
        <source>Elapsed time: %1 seconds</source>
        <translation>Temps écoulé : %1 secondes</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>SCORE : %1</translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation>Tu as terminé ce module !</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Module 3: Scroll</source>
        <translation>Module 3 : Défilement</translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation>Tu as terminé ce module !</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉPART</translation>
    </message>
    <message>
        <source>Magic number</source>
        <translation>Nombre cible</translation>
    </message>
    <message>
        <source>Bar %1</source>
        <translation>Barre %1</translation>
    </message>
    <message>
        <source>Value of bar %1</source>
        <translation>Valeur de la barre %1</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Hereby, %1 is a Thornax certificated Windows%2 user.%3He can, and will use the operating system with full effiency.%3He is also considered indeed suitable for all kinds of jobs, such as programmer, network technician, even a member of the Frostlan tech-Crew.</source>
        <extracomment>%1 is the name typed, %2 the trade mark sign, %3 starts a new paragraph.</extracomment>
        <translation>Par la présente, %1 est un utilisateur de Windows%2 certifié Thornax.%3Il peut, et va, utiliser le système d&apos;exploitation avec une efficacité totale.%3Il est en outre jugé tout à fait apte à toutes sortes d&apos;emplois, comme programmeur, technicien réseau, voire membre de la Tech-Crew de Frostlan.</translation>
    </message>
    <message>
        <source>ThorNax Certificate</source>
        <translation>Certificat ThorNax</translation>
    </message>
    <message>
        <source>Windows%1 is a registered trademark of Microsoft%1 Coporation</source>
        <extracomment>%1 is the trade mark sign.</extracomment>
        <translation>Windows%1 est une marque déposée de Microsoft%1 Corporation</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Médaille</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations !</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Entre ton nom, s&apos;il te plaît</translation>
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
        <translation>Page web</translation>
    </message>
    <message>
        <source>It seems as if that site is censored!%1We will direct you to an uncensored site!</source>
        <extracomment>%1 starts the second line.</extracomment>
        <translation>On dirait que ce site est censuré !%1Nous te redirigeons vers un site non censuré !</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Module</translation>
    </message>
    <message>
        <source>Module 1: The Installer</source>
        <translation>Module 1 : L&apos;installateur</translation>
    </message>
    <message>
        <source>Module 2: Scrolling</source>
        <translation>Module 2 : Défilement</translation>
    </message>
    <message>
        <source>Module 3: Typing</source>
        <translation>Module 3 : Frappe</translation>
    </message>
    <message>
        <source>Get certificate</source>
        <translation>Obtenir le certificat</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Browser</source>
        <translation>&amp;Navigateur</translation>
    </message>
    <message>
        <source>You are already done with this module!</source>
        <translation>Tu en as déjà fini avec ce module !</translation>
    </message>
    <message>
        <source>This is a contribution to the Mirelund Competition%1Made by the wonderful Thornax Studios</source>
        <extracomment>%1 starts the second line.</extracomment>
        <translation>Ceci est une contribution au concours Mirelund%1Réalisé par les merveilleux Thornax Studios</translation>
    </message>
</context>
<context>
    <name>StartupDecision</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Saisissez « %1 --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options, such as -platform and -style, are accepted as well.</source>
        <translation>Les options standard de Qt, comme -platform et -style, sont aussi acceptées.</translation>
    </message>
    <message>
        <source>%1: drills hitting Next, holding scroll bars and retyping, then hands out a certificate. Nothing is saved.</source>
        <translation>%1 : entraîne à viser Suivant, à tenir des barres de défilement et à retaper, puis délivre un certificat. Rien n&apos;est enregistré.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Afficher le nom et la version et quitter.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the program takes none.</source>
        <translation>argument inattendu « %1 » ; le programme n&apos;en prend aucun.</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set); start it from a desktop session, or on a virtual one with: xvfb-run %1</source>
        <translation>aucun affichage trouvé (DISPLAY n&apos;est pas défini) ; lancez-le depuis une session de bureau, ou dans une session virtuelle avec : xvfb-run %1</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
</context>
<context>
    <name>WebEnginePlugin</name>
    <message>
        <source>Pages are not shown to the root account: the browser&apos;s sandbox cannot run there.
Run the trainer as an ordinary user, or set QTWEBENGINE_DISABLE_SANDBOX=1 to show pages without it.</source>
        <translation>Les pages ne sont pas affichées pour le compte root : le bac à sable du navigateur ne peut pas y fonctionner.
Lancez l&apos;entraîneur en tant qu&apos;utilisateur ordinaire, ou définissez QTWEBENGINE_DISABLE_SANDBOX=1 pour afficher les pages sans lui.</translation>
    </message>
</context>
<context>
    <name>WebViewModule</name>
    <message>
        <source>The web view could not be loaded.</source>
        <translation>La vue web n&apos;a pas pu être chargée.</translation>
    </message>
    <message>
        <source>This version shows no web pages.</source>
        <translation>Cette version n&apos;affiche aucune page web.</translation>
    </message>
    <message>
        <source>%1 was not found in %2.</source>
        <translation>%1 est introuvable dans %2.</translation>
    </message>
    <message>
        <source>%1 is not a web view module.</source>
        <translation>%1 n&apos;est pas un module de vue web.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Total Score: %1</source>
        <translation>Score total : %1</translation>
    </message>
    <message>
        <source>Thornax logo</source>
        <translation>Logo Thornax</translation>
    </message>
    <message>
        <source>About MyApp</source>
        <translation>À propos de MyApp</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source> - Certification completed</source>
        <translation> - Certification terminée</translation>
    </message>
    <message>
        <source>Finished with %1 points!</source>
        <translation>Terminé avec %1 points !</translation>
    </message>
</context>
</TS>
