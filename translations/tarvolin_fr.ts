<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en_US">
<context>
    <name>About</name>
    <message>
        <source>About Tarvolin</source>
        <translation>À propos de Tarvolin</translation>
    </message>
    <message>
        <source>Desktop edition for Linux, built with Qt 6</source>
        <translation>Version Linux de bureau, avec Qt 6</translation>
    </message>
    <message>
        <source>Mervane Disclaimer</source>
        <translation>Avertissement Mervane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Paramètres : %1</translation>
    </message>
    <message>
        <source>Some annuity payments could not be verified.  It is believed that the equations are correct and therefore the figures are assumed to be correct; but you know what happens to assume.</source>
        <translation>Certains versements de rente n'ont pas pu être vérifiés.  Les équations sont réputées exactes, et les chiffres sont donc supposés exacts ; mais vous savez ce que valent les suppositions.</translation>
    </message>
    <message>
        <source>Tarvolin</source>
        <translation>Tarvolin</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>ColorFm</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation>&amp;Valider &amp;&amp; fermer</translation>
    </message>
    <message>
        <source>&amp;Test Scheme</source>
        <translation>&amp;Tester le thème</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Boring Grey - Default</source>
        <translation>Gris terne - par défaut</translation>
    </message>
    <message>
        <source>Button Bkgrnd</source>
        <translation>Fond bouton</translation>
    </message>
    <message>
        <source>Button Sample</source>
        <translation>Exemple de bouton</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Texte bouton</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Dk Gray</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Dk Green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Dk Red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>DkGreen - Cyan - Yellow </source>
        <translation>Vert foncé - Cyan - Jaune</translation>
    </message>
    <message>
        <source>DkRed - Cyan - Yellow </source>
        <translation>Rouge foncé - Cyan - Jaune</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>Partout</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Hilite Sample</source>
        <translation>Exemple surbrillance</translation>
    </message>
    <message>
        <source>Hilite Text</source>
        <translation>Texte surbrillance</translation>
    </message>
    <message>
        <source>Invest</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Placements</translation>
    </message>
    <message>
        <source>Lable Sample</source>
        <translation>Exemple d'étiquette</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Loan Screen</source>
        <translation>Écran Prêts</translation>
    </message>
    <message>
        <source>Lt Blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Lt Gray</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Lt Green</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Lt Magenta</source>
        <translation>Magenta clair</translation>
    </message>
    <message>
        <source>Lt Orange</source>
        <translation>Orange clair</translation>
    </message>
    <message>
        <source>Lt Red</source>
        <translation>Rouge clair</translation>
    </message>
    <message>
        <source>Lt Tan</source>
        <translation>Beige clair</translation>
    </message>
    <message>
        <source>Lt Yellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <source>LtBlue - Blue - Red</source>
        <translation>Bleu clair - Bleu - Rouge</translation>
    </message>
    <message>
        <source>LtGrn - Blue - Red</source>
        <translation>Vert clair - Bleu - Rouge</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>Vert pâle</translation>
    </message>
    <message>
        <source>PlGrn - Blk - Blue</source>
        <translation>Vert pâle - Noir - Bleu</translation>
    </message>
    <message>
        <source>Preset Color schemes</source>
        <translation>Thèmes de couleurs prédéfinis</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Tan - Blk - Red</source>
        <translation>Beige - Noir - Rouge</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Text will be Black</source>
        <translation>Le texte sera noir</translation>
    </message>
    <message>
        <source>Textbox Background</source>
        <translation>Fond des champs</translation>
    </message>
    <message>
        <source>Textbox Sample</source>
        <translation>Exemple de champ</translation>
    </message>
    <message>
        <source>Use Window Defaults for all Screens</source>
        <translation>Couleurs système pour tous les écrans</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Window Application</source>
        <translation>Système (application)</translation>
    </message>
    <message>
        <source>Window Button</source>
        <translation>Système (bouton)</translation>
    </message>
    <message>
        <source>Window Default</source>
        <translation>Système (par défaut)</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>&amp;Copy table to Clipboard</source>
        <translation>&amp;Copier le tableau dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Print table</source>
        <translation>&amp;Imprimer le tableau</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Balance or fund of each calculation by year</source>
        <translation>Solde ou fonds de chaque calcul, par année</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Calculations &amp;compared</source>
        <translation>&amp;Calculs comparés</translation>
    </message>
    <message>
        <source>Compare Calculations</source>
        <translation>Comparaison des calculs</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>Dollars</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fonds</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>Enregistrer en C&amp;SV...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>years</source>
        <translation>ans</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>%1 over %2: %3</source>
        <translation>%1 selon %2 : %3</translation>
    </message>
    <message>
        <source>%1: %2 points, %3 to %4</source>
        <translation>%1 : %2 points, de %3 à %4</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n courbe</numerusform>
            <numerusform>%n courbes</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>(%1 to %2)</source>
        <translation>(%1 à %2)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Maximum interest rate %</source>
        <translation>Taux d'intérêt maximal %</translation>
    </message>
    <message>
        <source>Maximum loan length (years)</source>
        <translation>Durée maximale du prêt (années)</translation>
    </message>
    <message>
        <source>Minimum interest rate %</source>
        <translation>Taux d'intérêt minimal %</translation>
    </message>
    <message>
        <source>Minimum loan length (years)</source>
        <translation>Durée minimale du prêt (années)</translation>
    </message>
    <message>
        <source>No calculator program is installed. Install one of gnome-calculator, kcalc, galculator, qalculate-gtk or xcalc to use this command.</source>
        <translation>Aucune calculatrice n'est installée. Installez gnome-calculator, kcalc, galculator, qalculate-gtk ou xcalc pour utiliser cette commande.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; failed.</source>
        <translation>L'impression sur « %1 » a échoué.</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Images SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>Enregistrer en &amp;PNG...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Save as S&amp;VG...</source>
        <translation>Enregistrer en S&amp;VG...</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Le fichier PDF n'a pas pu être écrit :
%1</translation>
    </message>
    <message>
        <source>The file could not be written:
%1</source>
        <translation>Le fichier n'a pas pu être écrit :
%1</translation>
    </message>
    <message>
        <source>The help document (%1) is not installed.</source>
        <translation>Le document d'aide (%1) n'est pas installé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used, so nothing was printed.</source>
        <translation>L'imprimante « %1 » ne peut pas être utilisée : rien n'a été imprimé.</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started: it is not installed on this computer.</source>
        <translation>Le programme « %1 » n'a pas pu être lancé : il n'est pas installé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>This computer has no printer, so nothing was printed.

Save the same text as a PDF file instead?</source>
        <translation>Cet ordinateur n'a pas d'imprimante : rien n'a été imprimé.

Enregistrer plutôt le même texte dans un fichier PDF ?</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1 mos</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>%1 with Payoff</source>
        <translation>%1 avec remboursement anticipé</translation>
    </message>
    <message>
        <source>%1 without Xtra</source>
        <translation>%1 sans versement suppl.</translation>
    </message>
    <message>
        <source>%1 yrs</source>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>Fi&amp;ltre :</translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation>&amp;Marquer</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher :</translation>
    </message>
    <message>
        <source>, paid off after %1</source>
        <translation>, remboursé après %1</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>C&amp;omparer</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Calculation History</source>
        <translation>Historique des calculs</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Tout effacer</translation>
    </message>
    <message>
        <source>Duration (Mos)</source>
        <translation>Durée (mois)</translation>
    </message>
    <message>
        <source>Duration (Yrs)</source>
        <translation>Durée (ans)</translation>
    </message>
    <message>
        <source>Exact rate</source>
        <translation>Taux exact</translation>
    </message>
    <message>
        <source>Interest Rate %</source>
        <translation>Taux d'intérêt %</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Placements</translation>
    </message>
    <message>
        <source>Last Payment</source>
        <translation>Dernière échéance</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Montant du prêt</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>Prêts</translation>
    </message>
    <message>
        <source>Mark or unmark the chosen calculation for Compare</source>
        <translation>Marquer ou démarquer le calcul choisi pour la comparaison</translation>
    </message>
    <message>
        <source>No calculation matches.</source>
        <translation>Aucun calcul ne correspond.</translation>
    </message>
    <message>
        <source>No calculations yet: each Calculate is recorded here.</source>
        <translation>Aucun calcul pour l’instant : chaque calcul est enregistré ici.</translation>
    </message>
    <message>
        <source>Paid off after</source>
        <translation>Remboursé après</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Put the chosen calculation back into the calculator and calculate it again</source>
        <translation>Remettre le calcul choisi dans la calculatrice et le refaire</translation>
    </message>
    <message>
        <source>Remove every calculation from the history</source>
        <translation>Supprimer tous les calculs de l'historique</translation>
    </message>
    <message>
        <source>Remove the chosen calculation from the history</source>
        <translation>Supprimer le calcul choisi de l'historique</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Économies</translation>
    </message>
    <message>
        <source>Show only the calculations whose line holds this text</source>
        <translation>N'afficher que les calculs dont la ligne contient ce texte</translation>
    </message>
    <message>
        <source>Show the two to four marked calculations side by side</source>
        <translation>Afficher côte à côte les deux à quatre calculs marqués</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Total des intérêts</translation>
    </message>
    <message>
        <source>Total Payments</source>
        <translation>Total des versements</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Which calculations the list shows</source>
        <translation>Les calculs que la liste affiche</translation>
    </message>
    <message>
        <source>a month</source>
        <translation>par mois</translation>
    </message>
    <message>
        <source>after installment %1</source>
        <translation>après l’échéance %1</translation>
    </message>
    <message>
        <source>at %1 %</source>
        <translation>à %1 %</translation>
    </message>
    <message>
        <source>every two weeks</source>
        <translation>toutes les deux semaines</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>from installment %1</source>
        <translation>à partir de l’échéance %1</translation>
    </message>
    <message>
        <source>paying %1</source>
        <translation>en payant %1</translation>
    </message>
    <message>
        <source>twice a month</source>
        <translation>deux fois par mois</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Valeurs par défaut</translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation>&amp;Enregistrer &amp;&amp; fermer</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Annuity Amount:</source>
        <translation>Montant de la rente :</translation>
    </message>
    <message>
        <source>Annuity Duration:</source>
        <translation>Durée de la rente :</translation>
    </message>
    <message>
        <source>Annuity Interest:</source>
        <translation>Taux de la rente :</translation>
    </message>
    <message>
        <source>Build Fund 1x Amount:</source>
        <translation>Placement unique :</translation>
    </message>
    <message>
        <source>Build Fund Duration:</source>
        <translation>Durée du placement :</translation>
    </message>
    <message>
        <source>Build Fund Interest:</source>
        <translation>Taux du placement :</translation>
    </message>
    <message>
        <source>Build Fund Monthly Amount:</source>
        <translation>Placement mensuel :</translation>
    </message>
    <message>
        <source>Build Fund Yearly Amount:</source>
        <translation>Placement annuel :</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Ini File Settings - Tarvolin</source>
        <translation>Paramètres du fichier Ini - Tarvolin</translation>
    </message>
    <message>
        <source>Interest:</source>
        <translation>Taux :</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Investment Defaults</source>
        <translation>Valeurs par défaut des placements</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Loan Defaults</source>
        <translation>Valeurs par défaut des prêts</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Star with:</source>
        <translation>Démarrer avec :</translation>
    </message>
    <message>
        <source>Start Duration:</source>
        <translation>Unité de durée :</translation>
    </message>
    <message>
        <source>Tarvolin Ini File Settings</source>
        <translation>Paramètres du fichier Ini de Tarvolin</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
</context>
<context>
    <name>LoanSheet</name>
    <message>
        <source>%1 Months</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>%1 Years</source>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>&amp;Amount Down</source>
        <translation>En &amp;montant</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Copy table  to Clipboard</source>
        <translation>&amp;Copier le tableau dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Down Payment</source>
        <translation>&amp;Apport</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>&amp;Durée</translation>
    </message>
    <message>
        <source>&amp;Instructions...</source>
        <translation>&amp;Mode d'emploi...</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Mois</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Percent Down</source>
        <translation>En &amp;pourcentage</translation>
    </message>
    <message>
        <source>&amp;Print table</source>
        <translation>&amp;Imprimer le tableau</translation>
    </message>
    <message>
        <source>&amp;Purchase Amount</source>
        <translation>&amp;Prix d'achat</translation>
    </message>
    <message>
        <source>&amp;Return to Calculator</source>
        <translation>&amp;Retour à la calculatrice</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>&amp;Show Payments</source>
        <translation>Afficher les &amp;mensualités</translation>
    </message>
    <message>
        <source>&amp;Years</source>
        <translation>&amp;Années</translation>
    </message>
    <message>
        <source>&amp;Years in Loan</source>
        <translation>Durée en année&amp;s</translation>
    </message>
    <message>
        <source>Amount Down</source>
        <translation>Montant de l'apport</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>Clear &amp;Table</source>
        <translation>&amp;Effacer le tableau</translation>
    </message>
    <message>
        <source>Interest &amp;Rates</source>
        <translation>Ta&amp;ux d'intérêt</translation>
    </message>
    <message>
        <source>Interest Paid</source>
        <translation>Intérêts payés</translation>
    </message>
    <message>
        <source>LoanSheet</source>
        <translation>LoanSheet</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Maximum %</source>
        <translation>Maximum %</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Minimum %</source>
        <translation>Minimum %</translation>
    </message>
    <message>
        <source>Months in Loan</source>
        <translation>Durée en mois</translation>
    </message>
    <message>
        <source>Payment
%1</source>
        <translation>Mensualité
%1</translation>
    </message>
    <message>
        <source>Percent &amp;Down</source>
        <translation>Apport e&amp;n %</translation>
    </message>
    <message>
        <source>Percent Down</source>
        <translation>Apport en %</translation>
    </message>
    <message>
        <source>Principle Balance</source>
        <translation>Capital restant dû</translation>
    </message>
    <message>
        <source>Principle Paid</source>
        <translation>Capital remboursé</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>Show &amp;Amortization</source>
        <translation>Afficher l'amor&amp;tissement</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Total des intérêts</translation>
    </message>
    <message>
        <source>Years in Loan</source>
        <translation>Durée en années</translation>
    </message>
</context>
<context>
    <name>Mervane</name>
    <message>
        <source>  Clear Ret Fund</source>
        <translation>  Effacer le fonds de retraite</translation>
    </message>
    <message>
        <source>  Ret Fund -&gt; Amt</source>
        <translation>  Fonds de retraite -&gt; Montant</translation>
    </message>
    <message>
        <source>%1 payments&#xd;
    (%2 yrs)</source>
        <translation>%1 échéances&#xd;
    (%2 ans)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>&amp;Definitions</source>
        <translation>&amp;Définitions</translation>
    </message>
    <message>
        <source>&amp;Duration:  (Mos)</source>
        <translation>&amp;Durée :  (mois)</translation>
    </message>
    <message>
        <source>&amp;Duration:  (Yrs)</source>
        <translation>&amp;Durée :  (ans)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Historique…</translation>
    </message>
    <message>
        <source>&amp;Ini File Editor</source>
        <translation>Éditeur du fichier &amp;Ini</translation>
    </message>
    <message>
        <source>&amp;Interest Rate:  %</source>
        <translation>&amp;Taux d'intérêt :  %</translation>
    </message>
    <message>
        <source>&amp;Investment Options</source>
        <translation>Options de p&amp;lacement</translation>
    </message>
    <message>
        <source>&amp;Launch</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>&amp;Loan Options</source>
        <translation>Options de &amp;prêt</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Mois</translation>
    </message>
    <message>
        <source>&amp;PayOff:                </source>
        <translation>&amp;Solde :</translation>
    </message>
    <message>
        <source>&amp;Payment: </source>
        <translation>Éc&amp;héance :</translation>
    </message>
    <message>
        <source>&amp;Payment:            </source>
        <translation>Éc&amp;héance :</translation>
    </message>
    <message>
        <source>&amp;Reset From Ini</source>
        <translation>&amp;Réinitialiser depuis Ini</translation>
    </message>
    <message>
        <source>&amp;Reset Input</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Solve For:</source>
        <translation>&amp;Valeur à calculer :</translation>
    </message>
    <message>
        <source>&amp;Update History</source>
        <translation>&amp;Historique des versions</translation>
    </message>
    <message>
        <source>&amp;Use exact rate</source>
        <translation>Utiliser le taux e&amp;xact</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Xtra Payment made with Installment:</source>
        <translation>Versement suppl. avec l'échéance &amp;n° :</translation>
    </message>
    <message>
        <source>&amp;Xtra Payment:</source>
        <translation>Versement su&amp;ppl. :</translation>
    </message>
    <message>
        <source>&amp;Xtra Payment:     </source>
        <translation>Versement su&amp;ppl. :</translation>
    </message>
    <message>
        <source>&amp;Years</source>
        <translation>&amp;Années</translation>
    </message>
    <message>
        <source>1 Time &amp;Amount:  </source>
        <translation>&amp;Montant versé 1 fois :</translation>
    </message>
    <message>
        <source>12 (monthly) Payments</source>
        <translation>12 échéances (mensuelles)</translation>
    </message>
    <message>
        <source>1st Adj Payment:</source>
        <translation>1er versement ajusté :</translation>
    </message>
    <message>
        <source>1x + Monthly Investment</source>
        <translation>Placement unique + versements mensuels</translation>
    </message>
    <message>
        <source>1x Investment</source>
        <translation>Placement unique</translation>
    </message>
    <message>
        <source>24 (2x a month) Payments</source>
        <translation>24 échéances (2 fois par mois)</translation>
    </message>
    <message>
        <source>26 (every 2 wks) Payments</source>
        <translation>26 échéances (toutes les 2 sem.)</translation>
    </message>
    <message>
        <source>And Last:</source>
        <translation>Et dernier :</translation>
    </message>
    <message>
        <source>And: </source>
        <translation>Et :</translation>
    </message>
    <message>
        <source>Annual Payments</source>
        <translation>Versements annuels</translation>
    </message>
    <message>
        <source>Annual annuity payments</source>
        <translation>Rente versée annuellement</translation>
    </message>
    <message>
        <source>Annuity &amp;Interest Rate:  %</source>
        <translation>&amp;Taux de la rente :  %</translation>
    </message>
    <message>
        <source>Annuity &amp;Payment:</source>
        <translation>Ver&amp;sement de rente :</translation>
    </message>
    <message>
        <source>Annuity Payments</source>
        <translation>Versements de rente</translation>
    </message>
    <message>
        <source>Auto check input for appropriate values</source>
        <translation>Vérifier automatiquement la validité des valeurs saisies</translation>
    </message>
    <message>
        <source>Build Fund</source>
        <translation>Constituer un fonds</translation>
    </message>
    <message>
        <source>Calculate using Years</source>
        <translation>Calculer en années</translation>
    </message>
    <message>
        <source>Calculation history: restore and compare (Ctrl+H)</source>
        <translation>Historique des calculs : restaurer et comparer (Ctrl+H)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Close Tarvolin</source>
        <translation>Fermer Tarvolin</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Combinaison</translation>
    </message>
    <message>
        <source>Combination of monthly annuity payments after a monthy contribution</source>
        <translation>Combinaison : rente mensuelle après des versements mensuels</translation>
    </message>
    <message>
        <source>Compute in Months</source>
        <translation>Calculer en mois</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Do Investment Calculations</source>
        <translation>Calculs de placement</translation>
    </message>
    <message>
        <source>Do Loan Calculations</source>
        <translation>Calculs de prêt</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Duration w Monthly Pay.</source>
        <translation>Durée avec rente mens.</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Exact rate for %1: %2 %</source>
        <translation>Taux exact pour %1 : %2 %</translation>
    </message>
    <message>
        <source>Exit app</source>
        <translation>Quitter l'application</translation>
    </message>
    <message>
        <source>Financial Calculator - Investments</source>
        <translation>Calculatrice financière - Placements</translation>
    </message>
    <message>
        <source>Financial Calculator - Loans</source>
        <translation>Calculatrice financière - Prêts</translation>
    </message>
    <message>
        <source>Fund &amp;Chart...</source>
        <translation>&amp;Graphique du fonds...</translation>
    </message>
    <message>
        <source>Fund balance after specific yearly payments for a duration</source>
        <translation>Solde du fonds après des retraits annuels fixes sur une durée donnée</translation>
    </message>
    <message>
        <source>Fund: YrPay-SpecDur</source>
        <translation>Fonds : retrait annuel, durée fixe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>How long can I get a specified monthly annuity payment</source>
        <translation>Pendant combien de temps puis-je toucher une rente mensuelle donnée</translation>
    </message>
    <message>
        <source>How long will I have to pay off the loan?</source>
        <translation>Combien de temps me faudra-t-il pour rembourser le prêt ?</translation>
    </message>
    <message>
        <source>How much can I borrow?</source>
        <translation>Combien puis-je emprunter ?</translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make a one time additional payment</source>
        <translation>De combien mon prêt sera-t-il raccourci par un versement supplémentaire unique</translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make additional regular payments</source>
        <translation>De combien mon prêt sera-t-il raccourci par des versements supplémentaires réguliers</translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make additional yearly payments</source>
        <translation>De combien mon prêt sera-t-il raccourci par des versements supplémentaires annuels</translation>
    </message>
    <message>
        <source>I want to pay off my loan; what do I owe?</source>
        <translation>Je veux solder mon prêt : combien dois-je ?</translation>
    </message>
    <message>
        <source>Infation Rate Adjustment:  %</source>
        <translation>Taux d'inflation :  %</translation>
    </message>
    <message>
        <source>Inflation Adjustment</source>
        <translation>Ajustement inflation</translation>
    </message>
    <message>
        <source>Ini File Editor</source>
        <translation>Éditeur du fichier Ini</translation>
    </message>
    <message>
        <source>InputChk</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Installment &amp;Frequency</source>
        <translation>&amp;Fréquence des échéances</translation>
    </message>
    <message>
        <source>Interest Compounded</source>
        <translation>Capitalisation des intérêts</translation>
    </message>
    <message>
        <source>Interest Only Payment</source>
        <translation>Échéance d'intérêts seuls</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Taux d'intérêt</translation>
    </message>
    <message>
        <source>Invest Calc</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Invested &amp;Amount:</source>
        <translation>&amp;Montant placé :</translation>
    </message>
    <message>
        <source>Investment Input Checker</source>
        <translation>Vérification des saisies de placement</translation>
    </message>
    <message>
        <source>Investment growth with a one time investment</source>
        <translation>Croissance d'un placement unique</translation>
    </message>
    <message>
        <source>Investment growth with a yearly contribution</source>
        <translation>Croissance d'un placement avec un versement annuel</translation>
    </message>
    <message>
        <source>Investment growth with monthly contributions</source>
        <translation>Croissance d'un placement avec des versements mensuels</translation>
    </message>
    <message>
        <source>Investment growth with monthly contributions after a one time investment</source>
        <translation>Croissance d'un placement avec des versements mensuels après un versement initial</translation>
    </message>
    <message>
        <source>Last Installment made before Payoff:</source>
        <translation>Dernière échéance avant remboursement :</translation>
    </message>
    <message>
        <source>Last Payment:</source>
        <translation>Dernière échéance :</translation>
    </message>
    <message>
        <source>Launch Loan Payment Table</source>
        <translation>Ouvrir le tableau des mensualités</translation>
    </message>
    <message>
        <source>Level payments of %1 will be worth %2 during last year of Annuity</source>
        <translation>Une rente constante de %1 vaudra %2 en dernière année</translation>
    </message>
    <message>
        <source>Loan &amp;Amount: </source>
        <translation>&amp;Montant du prêt :</translation>
    </message>
    <message>
        <source>Loan &amp;Amount:     </source>
        <translation>&amp;Montant du prêt :</translation>
    </message>
    <message>
        <source>Loan Amount (Principle)</source>
        <translation>Montant du prêt (capital)</translation>
    </message>
    <message>
        <source>Loan Payment &amp;Table</source>
        <translation>&amp;Tableau des mensualités</translation>
    </message>
    <message>
        <source>Mervane</source>
        <translation>Mervane</translation>
    </message>
    <message>
        <source>Modify startup values</source>
        <translation>Modifier les valeurs de démarrage</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Monthly &amp;Amount:</source>
        <translation>&amp;Montant mensuel :</translation>
    </message>
    <message>
        <source>Monthly Investment</source>
        <translation>Versement mensuel</translation>
    </message>
    <message>
        <source>Monthly Investment -&gt; Monthly Annuity Payment</source>
        <translation>Versement mensuel -&gt; rente mensuelle</translation>
    </message>
    <message>
        <source>Monthly Payments</source>
        <translation>Versements mensuels</translation>
    </message>
    <message>
        <source>Monthly annuity payments</source>
        <translation>Rente versée mensuellement</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Original &amp;DOS Loan Program</source>
        <translation>Programme de prêt &amp;DOS d'origine</translation>
    </message>
    <message>
        <source>PO&gt;IA</source>
        <translation>PO&gt;IA</translation>
    </message>
    <message>
        <source>PayOff -&gt; Amt</source>
        <translation>Solde -&gt; Montant</translation>
    </message>
    <message>
        <source>PayOff -&gt; Invest Amt</source>
        <translation>Solde -&gt; Montant placé</translation>
    </message>
    <message>
        <source>PayOff -&gt; RF</source>
        <translation>Solde -&gt; RF</translation>
    </message>
    <message>
        <source>PayOff -&gt; Ret Fund</source>
        <translation>Solde -&gt; Fonds de retraite</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Payoff Amount</source>
        <translation>Remboursement anticipé</translation>
    </message>
    <message>
        <source>Payoff between:  </source>
        <translation>Solde entre :</translation>
    </message>
    <message>
        <source>Put the exact rate into the rate box and calculate the payment again</source>
        <translation>Reporter le taux exact dans la zone du taux et recalculer l'échéance</translation>
    </message>
    <message>
        <source>RF -&gt; Amt</source>
        <translation>RF -&gt; Montant</translation>
    </message>
    <message>
        <source>Remaining &amp;Fund:</source>
        <translation>&amp;Fonds restant :</translation>
    </message>
    <message>
        <source>Retirement Fund</source>
        <translation>Fonds de retraite</translation>
    </message>
    <message>
        <source>Set &amp;Colors -&gt; Ini</source>
        <translation>Définir les &amp;couleurs -&gt; Ini</translation>
    </message>
    <message>
        <source>Start &amp;Xtra Payments which Installment:</source>
        <translation>Versements suppl. dès l'échéance &amp;n° :</translation>
    </message>
    <message>
        <source>Start &amp;Xtra Payments with Installment:</source>
        <translation>Versements suppl. dès l'échéance &amp;n° :</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Total Contributions:</source>
        <translation>Total des apports :</translation>
    </message>
    <message>
        <source>Total Interest:</source>
        <translation>Total des intérêts :</translation>
    </message>
    <message>
        <source>Total Payments:</source>
        <translation>Total des versements :</translation>
    </message>
    <message>
        <source>Varies with number of days between Last Installment and Payoff</source>
        <translation>Varie selon le nombre de jours entre la dernière échéance et le remboursement</translation>
    </message>
    <message>
        <source>Varies with when payoff is made after last installment</source>
        <translation>Varie selon la date du remboursement après la dernière échéance</translation>
    </message>
    <message>
        <source>What will an interest payment be?</source>
        <translation>À combien s'élèvera une échéance d'intérêts seuls ?</translation>
    </message>
    <message>
        <source>What will my payment be?</source>
        <translation>À combien s'élèvera mon échéance ?</translation>
    </message>
    <message>
        <source>What will the interest rate be?</source>
        <translation>Quel sera le taux d'intérêt ?</translation>
    </message>
    <message>
        <source>Windows &amp;Calculator</source>
        <translation>Ca&amp;lculatrice Windows</translation>
    </message>
    <message>
        <source>Xtra Payment (1x)</source>
        <translation>Versement suppl. (1x)</translation>
    </message>
    <message>
        <source>Xtra Payment (@InstFreq)</source>
        <translation>Versement suppl. (à chaque échéance)</translation>
    </message>
    <message>
        <source>Xtra Payments (yearly)</source>
        <translation>Versements suppl. (annuels)</translation>
    </message>
    <message>
        <source>Xtra payment with last installment</source>
        <translation>Versement suppl. avec la dernière échéance</translation>
    </message>
    <message>
        <source>Yearly &amp;Amount:</source>
        <translation>&amp;Montant annuel :</translation>
    </message>
    <message>
        <source>Yearly Investment</source>
        <translation>Versement annuel</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Années</translation>
    </message>
    <message>
        <source>and:  </source>
        <translation>et :</translation>
    </message>
    <message>
        <source>with %1 Yearly Payments</source>
        <translation>avec %1 versements annuels</translation>
    </message>
    <message>
        <source>with Xtra Payment</source>
        <translation>avec versement suppl.</translation>
    </message>
    <message>
        <source>with Xtra Payments</source>
        <translation>avec versements suppl.</translation>
    </message>
    <message>
        <source>with Yearly Payments</source>
        <translation>avec versements annuels</translation>
    </message>
    <message>
        <source>with low Payoff:</source>
        <translation>avec solde minimal :</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 &quot;%2&quot; will be read back as %3</source>
        <translation>%1 : « %2 » sera relu comme %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 a month after %2 at once at %3 for %4 years</source>
        <translation>%1 par mois après un versement initial de %2, à %3 sur %4 ans</translation>
    </message>
    <message>
        <source>%1 a month at %2 for %3 years</source>
        <translation>%1 par mois à %2 sur %3 ans</translation>
    </message>
    <message>
        <source>%1 a month for %2 years, then %3 a month for %4 years</source>
        <translation>%1 par mois pendant %2 ans, puis %3 par mois pendant %4 ans</translation>
    </message>
    <message>
        <source>%1 a year after %2 at once at %3 for %4 years</source>
        <translation>%1 par an après un versement initial de %2, à %3 sur %4 ans</translation>
    </message>
    <message>
        <source>%1 a year at %2 for %3 years</source>
        <translation>%1 par an à %2 sur %3 ans</translation>
    </message>
    <message>
        <source>%1 cannot be written (what it holds can still be viewed)</source>
        <translation>%1 ne peut pas être écrit (son contenu reste consultable)</translation>
    </message>
    <message>
        <source>%1 is in use by another copy of Tarvolin</source>
        <translation>%1 est utilisé par une autre copie de Tarvolin</translation>
    </message>
    <message>
        <source>%1 less %2 at the start of each year at %3 for %4 years</source>
        <translation>%1 moins %2 au début de chaque année, à %3 sur %4 ans</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>%1 of %2 at %3 for %4 years</source>
        <translation>%1 de %2 à %3 sur %4 ans</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n calculations</source>
        <translation>
            <numerusform>%1 calcul sur %n</numerusform>
            <numerusform>%1 calculs sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 paying %2 a month at %3 for %4 years</source>
        <translation>%1 : %2 par mois à %3 sur %4 ans</translation>
    </message>
    <message>
        <source>%1 paying %2 a year at %3 for %4 years</source>
        <translation>%1 : %2 par an à %3 sur %4 ans</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tarvolin and is left as it is</source>
        <translation>%1 a été écrit par une version plus récente de Tarvolin et reste tel quel</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1; %2 marked for Compare (click %3 or press Mark to mark two to four)</source>
        <translation>%1 ; %2 marqués pour la comparaison (cliquez sur %3 ou sur Marquer pour en marquer deux à quatre)</translation>
    </message>
    <message>
        <source>%1; the history is not being kept</source>
        <translation>%1 ; l'historique n'est pas conservé</translation>
    </message>
    <message numerus="yes">
        <source>%n mos</source>
        <translation>
            <numerusform>%n mois</numerusform>
            <numerusform>%n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yrs</source>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>Additional Annuity Payments:            %1</source>
        <translation>Versements de rente suppl. :            %1</translation>
    </message>
    <message>
        <source>Amortization Schedule</source>
        <translation>Tableau d'amortissement</translation>
    </message>
    <message>
        <source>Amortization Schedule Chart</source>
        <translation>Graphique du tableau d'amortissement</translation>
    </message>
    <message>
        <source>Amortization Schedule: loan of %1 at %2% for %3, payment %4</source>
        <translation>Tableau d'amortissement : prêt de %1 à %2 % sur %3, mensualité %4</translation>
    </message>
    <message>
        <source>Amortization schedule.csv</source>
        <translation>Tableau d'amortissement.csv</translation>
    </message>
    <message>
        <source>Amortization schedule.pdf</source>
        <translation>Tableau d'amortissement.pdf</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Amount financed</source>
        <translation>Montant financé</translation>
    </message>
    <message>
        <source>Amount too large - at most %1 can be computed</source>
        <translation>Montant trop élevé - le calcul est limité à %1</translation>
    </message>
    <message>
        <source>An amortization schedule can show at most %1 months.</source>
        <translation>Un tableau d'amortissement peut afficher au plus %1 mois.</translation>
    </message>
    <message>
        <source>Annual annuity</source>
        <translation>Rente annuelle</translation>
    </message>
    <message>
        <source>Annuity &amp;Duration: (yrs)</source>
        <translation>&amp;Durée de la rente : (ans)</translation>
    </message>
    <message>
        <source>Annuity Amount</source>
        <translation>Montant de la rente</translation>
    </message>
    <message>
        <source>Annuity Duration</source>
        <translation>Durée de la rente</translation>
    </message>
    <message>
        <source>Annuity Duration too long - at most %1 monthly payments can be computed</source>
        <translation>Durée de la rente trop longue - %1 versements mensuels au plus peuvent être calculés</translation>
    </message>
    <message>
        <source>Annuity Duration too short - the annuity must last at least one month</source>
        <translation>Durée de la rente trop courte - la rente doit durer au moins un mois</translation>
    </message>
    <message>
        <source>Annuity duration</source>
        <translation>Durée de la rente</translation>
    </message>
    <message>
        <source>At most %1 calculations can be compared; unmark one before marking another.</source>
        <translation>%1 calculs au plus peuvent être comparés ; démarquez-en un avant d'en marquer un autre.</translation>
    </message>
    <message>
        <source>Background and Text are the same color</source>
        <translation>Le fond et le texte sont de la même couleur</translation>
    </message>
    <message>
        <source>Balance and fund over time</source>
        <translation>Solde et fonds dans le temps</translation>
    </message>
    <message>
        <source>Build Fund 1x Amount</source>
        <translation>Placement unique</translation>
    </message>
    <message>
        <source>Build Fund Duration</source>
        <translation>Durée du placement</translation>
    </message>
    <message>
        <source>Build Fund Monthly Amount</source>
        <translation>Placement mensuel</translation>
    </message>
    <message>
        <source>Build Fund Yearly Amount</source>
        <translation>Placement annuel</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Compared calculations.csv</source>
        <translation>Calculs comparés.csv</translation>
    </message>
    <message>
        <source>Compared calculations.pdf</source>
        <translation>Calculs comparés.pdf</translation>
    </message>
    <message>
        <source>Comparison of %1 calculations</source>
        <translation>Comparaison de %1 calculs</translation>
    </message>
    <message>
        <source>Contributions</source>
        <translation>Versements</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n calculations from the history? This cannot be undone.</source>
        <translation>
            <numerusform>Voulez-vous supprimer %n calcul de l'historique ? Cette opération est irréversible.</numerusform>
            <numerusform>Voulez-vous supprimer les %n calculs de l'historique ? Cette opération est irréversible.</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to save the values as typed?</source>
        <translation>Voulez-vous enregistrer les valeurs telles que saisies ?</translation>
    </message>
    <message>
        <source>Down payment</source>
        <translation>Apport</translation>
    </message>
    <message>
        <source>Down payment amount cannot exceed purchase amount.</source>
        <translation>Le montant de l'apport ne peut pas dépasser le prix d'achat.</translation>
    </message>
    <message>
        <source>Down payment amount must be zero or greater.</source>
        <translation>Le montant de l'apport doit être supérieur ou égal à zéro.</translation>
    </message>
    <message>
        <source>Down payment percentage cannot exceed %1 percent.</source>
        <translation>Le pourcentage d'apport ne peut pas dépasser %1 %.</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 annuity payments can be computed</source>
        <translation>Durée trop longue - %1 versements de rente au plus peuvent être calculés</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 compounding periods can be computed (89 years compounded daily)</source>
        <translation>Durée trop longue - %1 périodes de capitalisation au plus peuvent être calculées (89 ans avec capitalisation quotidienne)</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 installments can be computed</source>
        <translation>Durée trop longue - %1 échéances au plus peuvent être calculées</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 yearly payments can be computed</source>
        <translation>Durée trop longue - %1 versements annuels au plus peuvent être calculés</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 years can be adjusted for inflation</source>
        <translation>Durée trop longue - %1 années au plus peuvent être ajustées à l'inflation</translation>
    </message>
    <message>
        <source>Duration too short - the annuity must make at least one payment</source>
        <translation>Durée trop courte - la rente doit comporter au moins un versement</translation>
    </message>
    <message>
        <source>Duration too short - the loan must last at least one installment</source>
        <translation>Durée trop courte - le prêt doit durer au moins une échéance</translation>
    </message>
    <message>
        <source>ERROR: Annuity Payment is too large. Duration result is expected to be less than 3mos.</source>
        <translation>ERREUR : le versement de rente est trop élevé. La durée obtenue serait inférieure à 3 mois.</translation>
    </message>
    <message>
        <source>ERROR: Annuity Payment is too small. Duration result is expected to be more than 75yrs.</source>
        <translation>ERREUR : le versement de rente est trop faible. La durée obtenue dépasserait 75 ans.</translation>
    </message>
    <message>
        <source>ERROR: Duration is less than 3 mos; decrease Annuity Payment.</source>
        <translation>ERREUR : la durée est inférieure à 3 mois ; diminuez le versement de rente.</translation>
    </message>
    <message>
        <source>Enter the purchase amount, down payment, length of loan, and interest rates. Click the Show Payments button to display monthly payments in the grid on the right.
&#xd;
&#xd;Select a monthly payment and click the Show Amortization button to display an amortization schedule for the selected interest rate and length of loan in the grid.
&#xd;
&#xd;Select cells in the grid and choose Copy from the Options menu to copy data onto the Clipboard.</source>
        <translation>Saisissez le prix d'achat, l'apport, la durée du prêt et les taux d'intérêt. Cliquez sur le bouton Afficher les mensualités pour afficher les mensualités dans la grille de droite.
&#xd;
&#xd;Choisissez une mensualité et cliquez sur le bouton Afficher l'amortissement pour afficher dans la grille le tableau d'amortissement du taux et de la durée choisis.
&#xd;
&#xd;Sélectionnez des cellules de la grille et choisissez Copier dans le menu Options pour copier les données dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Exceeded High Interest of 25%</source>
        <translation>Taux plafond de 25 % dépassé</translation>
    </message>
    <message>
        <source>Extra each installment</source>
        <translation>Versement suppl. à chaque échéance</translation>
    </message>
    <message>
        <source>Extra yearly payments</source>
        <translation>Versements suppl. annuels</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fonds</translation>
    </message>
    <message>
        <source>Fund after yearly withdrawals</source>
        <translation>Fonds après retraits annuels</translation>
    </message>
    <message>
        <source>Fund balance</source>
        <translation>Solde du fonds</translation>
    </message>
    <message>
        <source>Fund over time</source>
        <translation>Fonds dans le temps</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Croissance</translation>
    </message>
    <message>
        <source>Inappropriate Input - the result is too large to compute</source>
        <translation>Saisie inappropriée - le résultat est trop élevé pour être calculé</translation>
    </message>
    <message>
        <source>Input too long - a box holds at most %1 characters</source>
        <translation>Saisie trop longue - un champ contient au plus %1 caractères</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>Taux d'intérêt</translation>
    </message>
    <message>
        <source>Interest-only payment</source>
        <translation>Échéance d'intérêts seuls</translation>
    </message>
    <message>
        <source>Invested amount seems small - do you want to use the ini file value?</source>
        <translation>Le montant placé semble faible - voulez-vous utiliser la valeur du fichier Ini ?</translation>
    </message>
    <message>
        <source>Invested amount seems small - do you want to use the previously calculated payment amount?</source>
        <translation>Le montant placé semble faible - voulez-vous utiliser le montant du versement calculé précédemment ?</translation>
    </message>
    <message>
        <source>Investment Chart</source>
        <translation>Graphique du placement</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Montant du prêt</translation>
    </message>
    <message>
        <source>Loan Duration</source>
        <translation>Durée du prêt</translation>
    </message>
    <message>
        <source>Loan Payment Table Chart</source>
        <translation>Graphique du tableau des mensualités</translation>
    </message>
    <message>
        <source>Loan Payment Table: monthly payments</source>
        <translation>Tableau des mensualités</translation>
    </message>
    <message>
        <source>Loan amount</source>
        <translation>Montant du prêt</translation>
    </message>
    <message>
        <source>Loan balance over time</source>
        <translation>Solde du prêt dans le temps</translation>
    </message>
    <message>
        <source>Loan duration</source>
        <translation>Durée du prêt</translation>
    </message>
    <message>
        <source>Loan is paid off before that installment - no Xtra payment made</source>
        <translation>Le prêt est remboursé avant cette échéance - aucun versement suppl. effectué</translation>
    </message>
    <message>
        <source>Loan length</source>
        <translation>Durée du prêt</translation>
    </message>
    <message>
        <source>Loan of</source>
        <translation>Prêt de</translation>
    </message>
    <message>
        <source>Loan payment</source>
        <translation>Échéance de prêt</translation>
    </message>
    <message>
        <source>Loan payment table.csv</source>
        <translation>Tableau des mensualités.csv</translation>
    </message>
    <message>
        <source>Loan payment table.pdf</source>
        <translation>Tableau des mensualités.pdf</translation>
    </message>
    <message>
        <source>Loan payoff</source>
        <translation>Remboursement anticipé</translation>
    </message>
    <message>
        <source>LoanSheet Error</source>
        <translation>Erreur LoanSheet</translation>
    </message>
    <message>
        <source>LoanSheet Instructions</source>
        <translation>Mode d'emploi LoanSheet</translation>
    </message>
    <message>
        <source>Mark two to four calculations to compare: click in the %1 column of their lines, or choose a line and press Mark.</source>
        <translation>Marquez deux à quatre calculs à comparer : cliquez dans la colonne %1 de leurs lignes, ou choisissez une ligne et appuyez sur Marquer.</translation>
    </message>
    <message>
        <source>Maximum interest rate must be greater than or equal to the minimum interest rate.</source>
        <translation>Le taux d'intérêt maximal doit être supérieur ou égal au taux d'intérêt minimal.</translation>
    </message>
    <message>
        <source>Maximum interest rate must be greater than the minimum interest rate.</source>
        <translation>Le taux d'intérêt maximal doit être supérieur au taux minimal.</translation>
    </message>
    <message>
        <source>Maximum length of loan must be greater than the minimum length of loan.</source>
        <translation>La durée maximale du prêt doit être supérieure à la durée minimale.</translation>
    </message>
    <message>
        <source>Minimum interest rate must be less than or equal to the maximum interest rate.</source>
        <translation>Le taux d'intérêt minimal doit être inférieur ou égal au taux d'intérêt maximal.</translation>
    </message>
    <message>
        <source>Missing or Inappropriate Input (possibly a negitive number or 0)</source>
        <translation>Saisie manquante ou inappropriée (peut-être un nombre négatif ou 0)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Monthly Investment seems too large - do you want to use the ini file value?</source>
        <translation>Le versement mensuel semble trop élevé - voulez-vous utiliser la valeur du fichier Ini ?</translation>
    </message>
    <message>
        <source>Monthly annuity</source>
        <translation>Rente mensuelle</translation>
    </message>
    <message>
        <source>Monthly investment</source>
        <translation>Versement mensuel</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Mensualité</translation>
    </message>
    <message>
        <source>Monthly payment on %1 by loan length, one line per rate</source>
        <translation>Mensualité pour %1 selon la durée du prêt, une ligne par taux</translation>
    </message>
    <message>
        <source>No Xtra payment made - nothing saved; paid off %1</source>
        <translation>Aucun versement suppl. effectué - aucune économie ; remboursé le %1</translation>
    </message>
    <message>
        <source>No balance or fund to chart</source>
        <translation>Aucun solde ni fonds à représenter</translation>
    </message>
    <message>
        <source>One extra payment</source>
        <translation>Versement suppl. unique</translation>
    </message>
    <message>
        <source>One time investment seems small - do you want to use the ini file value?</source>
        <translation>Le placement unique semble faible - voulez-vous utiliser la valeur du fichier Ini ?</translation>
    </message>
    <message>
        <source>One-time + monthly investment</source>
        <translation>Placement unique + versements mensuels</translation>
    </message>
    <message>
        <source>One-time investment</source>
        <translation>Placement unique</translation>
    </message>
    <message>
        <source>Paid in the year</source>
        <translation>Payé dans l'année</translation>
    </message>
    <message>
        <source>Paid out</source>
        <translation>Sommes versées</translation>
    </message>
    <message>
        <source>Payment too small - it would show as %1; increase the amount or shorten the duration</source>
        <translation>Échéance trop faible - elle s'afficherait comme %1 ; augmentez le montant ou raccourcissez la durée</translation>
    </message>
    <message>
        <source>Please increase the payment amount. [75 yrs will be used]</source>
        <translation>Veuillez augmenter le montant du versement. [75 ans seront utilisés]</translation>
    </message>
    <message>
        <source>Please reduce the payment amount. [1 yr will be used]</source>
        <translation>Veuillez réduire le montant du versement. [1 an sera utilisé]</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Principal and interest paid each year, and the interest paid in all - %1</source>
        <translation>Capital et intérêts payés chaque année, et total des intérêts payés - %1</translation>
    </message>
    <message>
        <source>Principal balance</source>
        <translation>Capital restant dû</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Prix d'achat</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Retirement Fund seems too large for monthly payment - re-enter if appropriate</source>
        <translation>Le fonds de retraite semble trop élevé pour un versement mensuel - ressaisissez-le si nécessaire</translation>
    </message>
    <message numerus="yes">
        <source>Saves %n installments and %1 interest; paid off %2</source>
        <translation>
            <numerusform>Économise %n échéance et %1 d'intérêts ; remboursé le %2</numerusform>
            <numerusform>Économise %n échéances et %1 d'intérêts ; remboursé le %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Saving, then annuity</source>
        <translation>Épargne, puis rente</translation>
    </message>
    <message>
        <source>Something went wrong in %1: %2. Your inputs are as they were before.</source>
        <translation>Un problème est survenu dans %1 : %2. Vos saisies sont restées telles quelles.</translation>
    </message>
    <message>
        <source>Suggested payment not high enough for this loan amount</source>
        <translation>L'échéance proposée est insuffisante pour ce montant de prêt</translation>
    </message>
    <message>
        <source>Suggested payment too low - even at 0% interest it does not repay this loan amount</source>
        <translation>Mensualité proposée trop faible - même à 0 % d'intérêt, elle ne rembourse pas ce montant</translation>
    </message>
    <message>
        <source>Table schedule</source>
        <translation>Tableau d’amortissement</translation>
    </message>
    <message>
        <source>The calculation history %1 was damaged. It was kept as %2 and a new history begins.</source>
        <translation>L'historique des calculs %1 était endommagé. Il a été conservé sous %2 et un nouvel historique commence.</translation>
    </message>
    <message>
        <source>The calculation history is not being kept: %1. Your calculations go on as before; they are not recorded until Tarvolin is started again.</source>
        <translation>L'historique des calculs n'est pas conservé : %1. Vos calculs se poursuivent comme avant ; ils ne sont plus enregistrés jusqu'au prochain démarrage de Tarvolin.</translation>
    </message>
    <message>
        <source>The fund runs out in year %1: it pays %2 of that year's %3.</source>
        <translation>Le capital s'épuise l'année %1 : il verse %2 des %3 de cette année-là.</translation>
    </message>
    <message>
        <source>The last installment of %1 is a balloon payment: the level payment does not repay the loan within its term.</source>
        <translation>La dernière échéance, de %1, est une échéance ballon : la mensualité constante ne suffit pas à rembourser le prêt dans sa durée.</translation>
    </message>
    <message>
        <source>The loan is paid off before that installment</source>
        <translation>Le prêt est remboursé avant cette échéance</translation>
    </message>
    <message>
        <source>The loan is repaid with installment %1, before the end of its term; the last installment is %2.</source>
        <translation>Le prêt est remboursé à l'échéance %1, avant la fin de sa durée ; la dernière échéance est de %2.</translation>
    </message>
    <message>
        <source>The marked calculations can no longer be read from the history.</source>
        <translation>Les calculs marqués ne peuvent plus être lus dans l'historique.</translation>
    </message>
    <message>
        <source>The maximum length of loan cannot exceed %1 months.</source>
        <translation>La durée maximale du prêt ne peut pas dépasser %1 mois.</translation>
    </message>
    <message>
        <source>The maximum length of loan cannot exceed %1 years (%2 months).</source>
        <translation>La durée maximale du prêt ne peut pas dépasser %1 ans (%2 mois).</translation>
    </message>
    <message>
        <source>The maximum length of loan cannot exceed %1 years.</source>
        <translation>La durée maximale du prêt ne peut pas dépasser %1 ans.</translation>
    </message>
    <message>
        <source>The maximum length of loan must be at least one month or year.</source>
        <translation>La durée maximale du prêt doit être d'au moins un mois ou un an.</translation>
    </message>
    <message>
        <source>The minimum length of loan must be one month or year.</source>
        <translation>La durée minimale du prêt doit être d'un mois ou d'un an.</translation>
    </message>
    <message>
        <source>The purchase amount cannot exceed %1.</source>
        <translation>Le prix d'achat ne peut pas dépasser %1.</translation>
    </message>
    <message>
        <source>The settings could not be read - %1: %2. Tarvolin uses its default settings and leaves the file as it is.</source>
        <translation>Les paramètres n'ont pas pu être lus - %1 : %2. Tarvolin utilise ses paramètres par défaut et laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>The settings could not be saved - %1: %2. Nothing was changed.</source>
        <translation>Les paramètres n'ont pas pu être enregistrés - %1 : %2. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>The table can show at most %1 interest rates.</source>
        <translation>Le tableau peut afficher au plus %1 taux d'intérêt.</translation>
    </message>
    <message>
        <source>The table can show at most %1 year columns or %2 month columns.</source>
        <translation>Le tableau peut afficher au plus %1 colonnes d'années ou %2 colonnes de mois.</translation>
    </message>
    <message>
        <source>The table cannot be computed from these values.</source>
        <translation>Le tableau ne peut pas être calculé à partir de ces valeurs.</translation>
    </message>
    <message>
        <source>This calculation can no longer be read from the history.</source>
        <translation>Ce calcul ne peut plus être lu dans l'historique.</translation>
    </message>
    <message>
        <source>This calculation was recorded by another version of Tarvolin and cannot be restored.</source>
        <translation>Ce calcul a été enregistré par une autre version de Tarvolin et ne peut pas être restauré.</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Total des intérêts</translation>
    </message>
    <message>
        <source>WARNING: Infation rate seems a little high.</source>
        <translation>ATTENTION : le taux d'inflation semble un peu élevé.</translation>
    </message>
    <message>
        <source>Withdrawn</source>
        <translation>Sommes retirées</translation>
    </message>
    <message>
        <source>Xtra payment exceeds the balance - only the balance is paid</source>
        <translation>Le versement suppl. dépasse le capital restant dû - seul ce solde est versé</translation>
    </message>
    <message>
        <source>Xtra payment with last installment</source>
        <translation>Versement suppl. avec la dernière échéance</translation>
    </message>
    <message>
        <source>Year of the loan</source>
        <translation>Année du prêt</translation>
    </message>
    <message>
        <source>Yearly Payments (beginning of year): %1</source>
        <translation>Retraits annuels (en début d'année) : %1</translation>
    </message>
    <message>
        <source>Yearly investment</source>
        <translation>Versement annuel</translation>
    </message>
    <message>
        <source>Yearly investment seems inappropriate - do you want to use the ini file value?</source>
        <translation>Le versement annuel semble inapproprié - voulez-vous utiliser la valeur du fichier Ini ?</translation>
    </message>
    <message>
        <source>Yearly payment seems inappropriate - do you want to use the ini file value?</source>
        <translation>Le retrait annuel semble inapproprié - voulez-vous utiliser la valeur du fichier Ini ?</translation>
    </message>
    <message>
        <source>Years from the start</source>
        <translation>Années depuis le début</translation>
    </message>
    <message>
        <source>You must enter a maximum length of loan.</source>
        <translation>Vous devez saisir une durée maximale de prêt.</translation>
    </message>
    <message>
        <source>You must enter a valid purchase amount.</source>
        <translation>Vous devez saisir un prix d'achat valide.</translation>
    </message>
    <message>
        <source>You must specify a maximum interest rate greater than zero.</source>
        <translation>Vous devez indiquer un taux d'intérêt maximal supérieur à zéro.</translation>
    </message>
    <message>
        <source>a temporary file cannot be created beside it</source>
        <translation>aucun fichier temporaire ne peut être créé à côté</translation>
    </message>
    <message>
        <source>closing the new file failed</source>
        <translation>la fermeture du nouveau fichier a échoué</translation>
    </message>
    <message>
        <source>flushing it to the disk failed</source>
        <translation>l'écriture sur le disque a échoué</translation>
    </message>
    <message>
        <source>input Error</source>
        <translation>Erreur de saisie</translation>
    </message>
    <message>
        <source>it cannot be locked</source>
        <translation>il ne peut pas être verrouillé</translation>
    </message>
    <message>
        <source>it cannot be reached</source>
        <translation>il est inaccessible</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>il n'a pas pu être écrit</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c'est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c'est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>c'est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c'est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a symbolic link that belongs to another user</source>
        <translation>c'est un lien symbolique qui appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>it is too large for a settings file (%1 bytes; at most %2)</source>
        <translation>il est trop volumineux pour un fichier de paramètres (%1 octets ; %2 au plus)</translation>
    </message>
    <message>
        <source>its folder %1 cannot be created</source>
        <translation>son dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>its folder %1 cannot be reached</source>
        <translation>son dossier %1 est inaccessible</translation>
    </message>
    <message>
        <source>its owner cannot be kept</source>
        <translation>son propriétaire ne peut pas être conservé</translation>
    </message>
    <message>
        <source>its permissions cannot be kept</source>
        <translation>ses droits d'accès ne peuvent pas être conservés</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>reading it failed after %1 bytes</source>
        <translation>la lecture a échoué après %1 octets</translation>
    </message>
    <message>
        <source>the disk holding %1 is full (what it holds is kept)</source>
        <translation>le disque contenant %1 est plein (son contenu est conservé)</translation>
    </message>
    <message>
        <source>the file %1 cannot be created or opened</source>
        <translation>le fichier %1 ne peut être ni créé ni ouvert</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened</source>
        <translation>le fichier de verrou %1 ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the lock file %1 is not a regular file</source>
        <translation>le fichier de verrou %1 n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the new file cannot take the old one's place</source>
        <translation>le nouveau fichier ne peut pas remplacer l'ancien</translation>
    </message>
    <message>
        <source>the new text would be too large for a settings file (%1 bytes; at most %2)</source>
        <translation>le nouveau texte serait trop volumineux pour un fichier de paramètres (%1 octets ; %2 au plus)</translation>
    </message>
    <message>
        <source>the save was stopped</source>
        <translation>l'enregistrement a été interrompu</translation>
    </message>
    <message>
        <source>writing failed</source>
        <translation>l'écriture a échoué</translation>
    </message>
    <message>
        <source>years</source>
        <translation>ans</translation>
    </message>
    <message>
        <source>★ marks the best result of a row (the least paid or the soonest, the largest fund). (+…) and (−…) are differences from calculation 1; — marks a value a calculation does not have.</source>
        <translation>★ marque le meilleur résultat d'une ligne (le moins payé ou le plus tôt, le fonds le plus élevé). (+…) et (−…) sont les écarts par rapport au calcul 1 ; — marque une valeur qu'un calcul n'a pas.</translation>
    </message>
</context>
<context>
    <name>UpdateHist</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>1987 - Original DOS ver&#xd;
1996 - First Windows version (16 bit)&#xd;
&#xd;
 Ver&#x9; Date&#x9;Update History&#xd;
6.00.00  02/13/02 - Converted to the new release of the development tools; uses the masked edit box and the flexible grid&#xd;
6.00.01  03/14/02 - Fix the initialization of the edit boxes&#xd;
6.00.02  03/21/02 - Fix spelling error, reformat colors&#xd;
6.01.00  03/25/02 - Add the ability to set Colors with presets or Window defaults&#xd;
6.01.01  03/26/02 - Adjust tab stops &amp; focus&#xd;
6.01.02  03/27/02 - Add Button color; could not do Button Text&#xd;
&#x9;&#x9;Add Window Default to the background lists&#xd;
6.01.03  03/27/02 - Adjust formating issues &amp; menu items&#xd;
6.01.04  03/28/02 - Change messages for Payoff &amp; Annuity&#xd;
6.02.00  04/07/02 - Fix Loan Pymnt Table: Copy Table &amp; add Print to default printer&#xd;
&#x9;&#x9;Add customizable Toolbar with MS Toolbar &amp; ImageList&#xd;
6.03.00  05/07/02 - Add new 'Annuity Payment' - Remaining Fund with yearly payment for specific duration&#xd;
6.03.01  05/08/02 - Add 'InputChk' button, cleanup checking&#xd;
6.03.04  05/11/02 - Change order of buttons, put back PO-&gt;Amt button, cleanup code&#xd;
6.03.05  05/17/02 - Add ToolTips on option buttons&#xd;
6.03.06  05/21/02 - Put back true checking on Investments for input when 'input checking' is on&#xd;
&#x9;&#x9;Fix investment 'Combo' to calculate monthly payment correctly&#xd;
6.03.07  05/25/02 - Add Close button to Table Dialog and reinstate 'X' (close) in control box</source>
        <translation>1987 - Version DOS d'origine&#xd;
1996 - Première version Windows (16 bits)&#xd;
&#xd;
 Ver&#x9; Date&#x9;Historique des versions&#xd;
6.00.00  02/13/02 - Passage à la nouvelle version des outils de développement ; utilisation de la zone de saisie masquée et de la grille flexible&#xd;
6.00.01  03/14/02 - Correction de l'initialisation des zones de saisie&#xd;
6.00.02  03/21/02 - Correction d'une faute d'orthographe, nouvelle présentation des couleurs&#xd;
6.01.00  03/25/02 - Possibilité de définir les couleurs par des thèmes prédéfinis ou les couleurs système&#xd;
6.01.01  03/26/02 - Ajustement de l'ordre de tabulation et du focus&#xd;
6.01.02  03/27/02 - Ajout de la couleur des boutons ; impossible pour le texte des boutons&#xd;
&#x9;&#x9;Ajout de la couleur système par défaut aux listes de fonds&#xd;
6.01.03  03/27/02 - Corrections de mise en forme et des éléments de menu&#xd;
6.01.04  03/28/02 - Modification des messages du solde et de la rente&#xd;
6.02.00  04/07/02 - Correction du tableau des mensualités : copie du tableau et ajout de l'impression sur l'imprimante par défaut&#xd;
&#x9;&#x9;Ajout d'une barre d'outils personnalisable avec MS Toolbar et ImageList&#xd;
6.03.00  05/07/02 - Nouveau calcul « Versement de rente » : fonds restant après des retraits annuels sur une durée donnée&#xd;
6.03.01  05/08/02 - Ajout du bouton « Contrôle », nettoyage des vérifications&#xd;
6.03.04  05/11/02 - Nouvel ordre des boutons, retour du bouton Solde -&gt; Montant, nettoyage du code&#xd;
6.03.05  05/17/02 - Ajout d'infobulles sur les boutons d'option&#xd;
6.03.06  05/21/02 - Rétablissement de la vraie vérification des saisies des placements quand le « contrôle des saisies » est activé&#xd;
&#x9;&#x9;Correction du calcul « Combinaison » des placements pour calculer correctement le versement mensuel&#xd;
6.03.07  05/25/02 - Ajout du bouton Fermer à la fenêtre du tableau et retour du « X » (fermer) dans la barre de titre</translation>
    </message>
    <message>
        <source>Mervane Update History</source>
        <translation>Historique des versions de Mervane</translation>
    </message>
</context>
</TS>
