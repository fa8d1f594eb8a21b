<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en_US">
<context>
    <name>About</name>
    <message>
        <source>About Tarvolin</source>
        <translation>Über Tarvolin</translation>
    </message>
    <message>
        <source>Desktop edition for Linux, built with Qt 6</source>
        <translation>Desktop-Ausgabe für Linux, erstellt mit Qt 6</translation>
    </message>
    <message>
        <source>Mervane Disclaimer</source>
        <translation>Mervane – Haftungsausschluss</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>Some annuity payments could not be verified.  It is believed that the equations are correct and therefore the figures are assumed to be correct; but you know what happens to assume.</source>
        <translation>Einige Rentenzahlungen konnten nicht überprüft werden.  Wir gehen davon aus, dass die Formeln stimmen und die Zahlen daher richtig sind – aber Sie wissen ja, was von Annahmen zu halten ist.</translation>
    </message>
    <message>
        <source>Tarvolin</source>
        <translation>Tarvolin</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Versionen</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Test Scheme</source>
        <translation>Schema &amp;testen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Boring Grey - Default</source>
        <translation>Langweiliges Grau - Standard</translation>
    </message>
    <message>
        <source>Button Bkgrnd</source>
        <translation>Button-Hintergr.</translation>
    </message>
    <message>
        <source>Button Sample</source>
        <translation>Button-Beispiel</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Button-Text</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Dk Gray</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Dk Green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Dk Red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>DkGreen - Cyan - Yellow </source>
        <translation>Dunkelgrün - Cyan - Gelb</translation>
    </message>
    <message>
        <source>DkRed - Cyan - Yellow </source>
        <translation>Dunkelrot - Cyan - Gelb</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>Überall</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Hilite Sample</source>
        <translation>Hervorgehoben</translation>
    </message>
    <message>
        <source>Hilite Text</source>
        <translation>Hervorhebung</translation>
    </message>
    <message>
        <source>Invest</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Geldanlagen</translation>
    </message>
    <message>
        <source>Lable Sample</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>Loan Screen</source>
        <translation>Kreditansicht</translation>
    </message>
    <message>
        <source>Lt Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Lt Gray</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Lt Green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Lt Magenta</source>
        <translation>Hellmagenta</translation>
    </message>
    <message>
        <source>Lt Orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <source>Lt Red</source>
        <translation>Hellrot</translation>
    </message>
    <message>
        <source>Lt Tan</source>
        <translation>Hellbeige</translation>
    </message>
    <message>
        <source>Lt Yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>LtBlue - Blue - Red</source>
        <translation>Hellblau - Blau - Rot</translation>
    </message>
    <message>
        <source>LtGrn - Blue - Red</source>
        <translation>Hellgrün - Blau - Rot</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>Blassgrün</translation>
    </message>
    <message>
        <source>PlGrn - Blk - Blue</source>
        <translation>Blassgrün - Schwarz - Blau</translation>
    </message>
    <message>
        <source>Preset Color schemes</source>
        <translation>Vordefinierte Farbschemata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Tan - Blk - Red</source>
        <translation>Beige - Schwarz - Rot</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text will be Black</source>
        <translation>Text wird schwarz</translation>
    </message>
    <message>
        <source>Textbox Background</source>
        <translation>Feldhintergrund</translation>
    </message>
    <message>
        <source>Textbox Sample</source>
        <translation>Eingabefeld</translation>
    </message>
    <message>
        <source>Use Window Defaults for all Screens</source>
        <translation>Fensterstandard für alle Fenster verwenden</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Window Application</source>
        <translation>Fenster: Anwendung</translation>
    </message>
    <message>
        <source>Window Button</source>
        <translation>Fenster: Button</translation>
    </message>
    <message>
        <source>Window Default</source>
        <translation>Fensterstandard</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>&amp;Copy table to Clipboard</source>
        <translation>Tabelle in Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Print table</source>
        <translation>Tabelle &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>Als CSV &amp;speichern...</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Balance or fund of each calculation by year</source>
        <translation>Restschuld bzw. Kapital jeder Berechnung nach Jahren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Calculations &amp;compared</source>
        <translation>&amp;Verglichene Berechnungen</translation>
    </message>
    <message>
        <source>Compare Calculations</source>
        <translation>Berechnungen vergleichen</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Dollars</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Kapital</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>Als &amp;CSV speichern...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>%1 over %2: %3</source>
        <translation>%1 über %2: %3</translation>
    </message>
    <message>
        <source>%1: %2 points, %3 to %4</source>
        <translation>%1: %2 Punkte, %3 bis %4</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n Linie</numerusform>
            <numerusform>%n Linien</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>(%1 to %2)</source>
        <translation>(%1 bis %2)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Maximum interest rate %</source>
        <translation>Maximaler Zinssatz %</translation>
    </message>
    <message>
        <source>Maximum loan length (years)</source>
        <translation>Maximale Laufzeit (Jahre)</translation>
    </message>
    <message>
        <source>Minimum interest rate %</source>
        <translation>Minimaler Zinssatz %</translation>
    </message>
    <message>
        <source>Minimum loan length (years)</source>
        <translation>Minimale Laufzeit (Jahre)</translation>
    </message>
    <message>
        <source>No calculator program is installed. Install one of gnome-calculator, kcalc, galculator, qalculate-gtk or xcalc to use this command.</source>
        <translation>Es ist kein Taschenrechnerprogramm installiert. Installieren Sie gnome-calculator, kcalc, galculator, qalculate-gtk oder xcalc, um diesen Befehl zu verwenden.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; failed.</source>
        <translation>Das Drucken auf „%1“ ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>Als &amp;PNG speichern...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Save as S&amp;VG...</source>
        <translation>Als S&amp;VG speichern...</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>The file could not be written:
%1</source>
        <translation>Die Datei konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>The help document (%1) is not installed.</source>
        <translation>Das Hilfedokument (%1) ist nicht installiert.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used, so nothing was printed.</source>
        <translation>Der Drucker „%1“ kann nicht verwendet werden, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started: it is not installed on this computer.</source>
        <translation>Das Programm „%1“ konnte nicht gestartet werden: Es ist auf diesem Computer nicht installiert.</translation>
    </message>
    <message>
        <source>This computer has no printer, so nothing was printed.

Save the same text as a PDF file instead?</source>
        <translation>Dieser Computer hat keinen Drucker, daher wurde nichts gedruckt.

Denselben Text stattdessen als PDF-Datei speichern?</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1 mos</source>
        <translation>%1 Mon.</translation>
    </message>
    <message>
        <source>%1 with Payoff</source>
        <translation>%1 mit Ablösung</translation>
    </message>
    <message>
        <source>%1 without Xtra</source>
        <translation>%1 ohne Sondertilgung</translation>
    </message>
    <message>
        <source>%1 yrs</source>
        <translation>%1 J.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation>&amp;Markieren</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>Zu&amp;rückholen</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>, paid off after %1</source>
        <translation>, abbezahlt nach %1</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>Calculation History</source>
        <translation>Berechnungsverlauf</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>Duration (Mos)</source>
        <translation>Laufzeit (Mon.)</translation>
    </message>
    <message>
        <source>Duration (Yrs)</source>
        <translation>Laufzeit (J.)</translation>
    </message>
    <message>
        <source>Exact rate</source>
        <translation>Exakter Zins</translation>
    </message>
    <message>
        <source>Interest Rate %</source>
        <translation>Zinssatz %</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Geldanlagen</translation>
    </message>
    <message>
        <source>Last Payment</source>
        <translation>Letzte Rate</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Kreditbetrag</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>Kredite</translation>
    </message>
    <message>
        <source>Mark or unmark the chosen calculation for Compare</source>
        <translation>Gewählte Berechnung für den Vergleich markieren oder Markierung aufheben</translation>
    </message>
    <message>
        <source>No calculation matches.</source>
        <translation>Keine Berechnung passt.</translation>
    </message>
    <message>
        <source>No calculations yet: each Calculate is recorded here.</source>
        <translation>Noch keine Berechnungen: Jede Berechnung wird hier festgehalten.</translation>
    </message>
    <message>
        <source>Paid off after</source>
        <translation>Abbezahlt nach</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Ratenbetrag</translation>
    </message>
    <message>
        <source>Put the chosen calculation back into the calculator and calculate it again</source>
        <translation>Gewählte Berechnung in den Rechner zurückholen und neu berechnen</translation>
    </message>
    <message>
        <source>Remove every calculation from the history</source>
        <translation>Alle Berechnungen aus dem Verlauf entfernen</translation>
    </message>
    <message>
        <source>Remove the chosen calculation from the history</source>
        <translation>Gewählte Berechnung aus dem Verlauf entfernen</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ersparnis</translation>
    </message>
    <message>
        <source>Show only the calculations whose line holds this text</source>
        <translation>Nur Berechnungen zeigen, deren Zeile diesen Text enthält</translation>
    </message>
    <message>
        <source>Show the two to four marked calculations side by side</source>
        <translation>Die zwei bis vier markierten Berechnungen nebeneinander zeigen</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Zinsen gesamt</translation>
    </message>
    <message>
        <source>Total Payments</source>
        <translation>Zahlungen gesamt</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Which calculations the list shows</source>
        <translation>Welche Berechnungen die Liste zeigt</translation>
    </message>
    <message>
        <source>a month</source>
        <translation>im Monat</translation>
    </message>
    <message>
        <source>after installment %1</source>
        <translation>nach Rate %1</translation>
    </message>
    <message>
        <source>at %1 %</source>
        <translation>zu %1 %</translation>
    </message>
    <message>
        <source>every two weeks</source>
        <translation>alle zwei Wochen</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>über %1</translation>
    </message>
    <message>
        <source>from installment %1</source>
        <translation>ab Rate %1</translation>
    </message>
    <message>
        <source>paying %1</source>
        <translation>mit %1</translation>
    </message>
    <message>
        <source>twice a month</source>
        <translation>zweimal im Monat</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>Standard&amp;werte</translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Annuity Amount:</source>
        <translation>Rentenbetrag:</translation>
    </message>
    <message>
        <source>Annuity Duration:</source>
        <translation>Rentendauer:</translation>
    </message>
    <message>
        <source>Annuity Interest:</source>
        <translation>Rentenzinssatz:</translation>
    </message>
    <message>
        <source>Build Fund 1x Amount:</source>
        <translation>Aufbau Einmalbetrag:</translation>
    </message>
    <message>
        <source>Build Fund Duration:</source>
        <translation>Aufbau Laufzeit:</translation>
    </message>
    <message>
        <source>Build Fund Interest:</source>
        <translation>Aufbau Zinssatz:</translation>
    </message>
    <message>
        <source>Build Fund Monthly Amount:</source>
        <translation>Aufbau Monatsbetrag:</translation>
    </message>
    <message>
        <source>Build Fund Yearly Amount:</source>
        <translation>Aufbau Jahresbetrag:</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Laufzeit:</translation>
    </message>
    <message>
        <source>Ini File Settings - Tarvolin</source>
        <translation>Ini-Einstellungen - Tarvolin</translation>
    </message>
    <message>
        <source>Interest:</source>
        <translation>Zinssatz:</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Geldanlage</translation>
    </message>
    <message>
        <source>Investment Defaults</source>
        <translation>Vorgaben Geldanlage</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>Loan Defaults</source>
        <translation>Vorgaben Kredit</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Star with:</source>
        <translation>Starten mit:</translation>
    </message>
    <message>
        <source>Start Duration:</source>
        <translation>Laufzeiteinheit:</translation>
    </message>
    <message>
        <source>Tarvolin Ini File Settings</source>
        <translation>Tarvolin Ini-Einstellungen</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>LoanSheet</name>
    <message>
        <source>%1 Months</source>
        <translation>%1 Monate</translation>
    </message>
    <message>
        <source>%1 Years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>&amp;Amount Down</source>
        <translation>Anzahlung als &amp;Betrag</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Copy table  to Clipboard</source>
        <translation>Tabelle in Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Down Payment</source>
        <translation>A&amp;nzahlung</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>La&amp;ufzeit</translation>
    </message>
    <message>
        <source>&amp;Instructions...</source>
        <translation>&amp;Anleitung...</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Monate</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Percent Down</source>
        <translation>Anzahlung in &amp;Prozent</translation>
    </message>
    <message>
        <source>&amp;Print table</source>
        <translation>Tabelle &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Purchase Amount</source>
        <translation>&amp;Kaufpreis</translation>
    </message>
    <message>
        <source>&amp;Return to Calculator</source>
        <translation>&amp;Zurück zum Rechner</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>Als CSV &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Show Payments</source>
        <translation>&amp;Raten anzeigen</translation>
    </message>
    <message>
        <source>&amp;Years</source>
        <translation>&amp;Jahre</translation>
    </message>
    <message>
        <source>&amp;Years in Loan</source>
        <translation>Laufzeit in &amp;Jahren</translation>
    </message>
    <message>
        <source>Amount Down</source>
        <translation>Anzahlung (Betrag)</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>Clear &amp;Table</source>
        <translation>Tabelle &amp;leeren</translation>
    </message>
    <message>
        <source>Interest &amp;Rates</source>
        <translation>&amp;Zinssätze</translation>
    </message>
    <message>
        <source>Interest Paid</source>
        <translation>Gezahlte Zinsen</translation>
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
        <translation>Laufzeit in Monaten</translation>
    </message>
    <message>
        <source>Payment
%1</source>
        <translation>Rate
%1</translation>
    </message>
    <message>
        <source>Percent &amp;Down</source>
        <translation>&amp;Anzahlung in %</translation>
    </message>
    <message>
        <source>Percent Down</source>
        <translation>Anzahlung in %</translation>
    </message>
    <message>
        <source>Principle Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Principle Paid</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als PD&amp;F speichern...</translation>
    </message>
    <message>
        <source>Show &amp;Amortization</source>
        <translation>&amp;Tilgungsplan anzeigen</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Zinsen gesamt</translation>
    </message>
    <message>
        <source>Years in Loan</source>
        <translation>Laufzeit in Jahren</translation>
    </message>
</context>
<context>
    <name>Mervane</name>
    <message>
        <source>  Clear Ret Fund</source>
        <translation>  Ruhestandsfonds leeren</translation>
    </message>
    <message>
        <source>  Ret Fund -&gt; Amt</source>
        <translation>  Ruhestandsfonds -&gt; Betrag</translation>
    </message>
    <message>
        <source>%1 payments&#xd;
    (%2 yrs)</source>
        <translation>%1 Raten&#xd;
    (%2 J.)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>&amp;Definitions</source>
        <translation>&amp;Begriffe</translation>
    </message>
    <message>
        <source>&amp;Duration:  (Mos)</source>
        <translation>&amp;Laufzeit:  (Mon.)</translation>
    </message>
    <message>
        <source>&amp;Duration:  (Yrs)</source>
        <translation>&amp;Laufzeit:  (J.)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Verlauf…</translation>
    </message>
    <message>
        <source>&amp;Ini File Editor</source>
        <translation>&amp;Ini-Datei-Editor</translation>
    </message>
    <message>
        <source>&amp;Interest Rate:  %</source>
        <translation>&amp;Zinssatz:  %</translation>
    </message>
    <message>
        <source>&amp;Investment Options</source>
        <translation>&amp;Geldanlagen</translation>
    </message>
    <message>
        <source>&amp;Launch</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Loan Options</source>
        <translation>&amp;Kredite</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Monate</translation>
    </message>
    <message>
        <source>&amp;PayOff:                </source>
        <translation>End&amp;kapital:</translation>
    </message>
    <message>
        <source>&amp;Payment: </source>
        <translation>&amp;Ratenbetrag:</translation>
    </message>
    <message>
        <source>&amp;Payment:            </source>
        <translation>&amp;Ratenbetrag:</translation>
    </message>
    <message>
        <source>&amp;Reset From Ini</source>
        <translation>Aus Ini &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Reset Input</source>
        <translation>Z&amp;urücksetzen</translation>
    </message>
    <message>
        <source>&amp;Solve For:</source>
        <translation>Berechnen &amp;für:</translation>
    </message>
    <message>
        <source>&amp;Update History</source>
        <translation>&amp;Versionsgeschichte</translation>
    </message>
    <message>
        <source>&amp;Use exact rate</source>
        <translation>Exakt &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Xtra Payment made with Installment:</source>
        <translation>Sondertilgung mit Rate &amp;Nr.:</translation>
    </message>
    <message>
        <source>&amp;Xtra Payment:</source>
        <translation>Sonder&amp;tilgung:</translation>
    </message>
    <message>
        <source>&amp;Xtra Payment:     </source>
        <translation>Sonder&amp;tilgung:</translation>
    </message>
    <message>
        <source>&amp;Years</source>
        <translation>&amp;Jahre</translation>
    </message>
    <message>
        <source>1 Time &amp;Amount:  </source>
        <translation>1-malige &amp;Einlage:</translation>
    </message>
    <message>
        <source>12 (monthly) Payments</source>
        <translation>12 Raten (monatlich)</translation>
    </message>
    <message>
        <source>1st Adj Payment:</source>
        <translation>1. angep. Rente:</translation>
    </message>
    <message>
        <source>1x + Monthly Investment</source>
        <translation>Einmalanlage + Sparrate</translation>
    </message>
    <message>
        <source>1x Investment</source>
        <translation>Einmalanlage</translation>
    </message>
    <message>
        <source>24 (2x a month) Payments</source>
        <translation>24 Raten (2x im Monat)</translation>
    </message>
    <message>
        <source>26 (every 2 wks) Payments</source>
        <translation>26 Raten (alle 2 Wochen)</translation>
    </message>
    <message>
        <source>And Last:</source>
        <translation>Und letzte:</translation>
    </message>
    <message>
        <source>And: </source>
        <translation>Und:</translation>
    </message>
    <message>
        <source>Annual Payments</source>
        <translation>Jährliche Rente</translation>
    </message>
    <message>
        <source>Annual annuity payments</source>
        <translation>Jährliche Rentenzahlungen</translation>
    </message>
    <message>
        <source>Annuity &amp;Interest Rate:  %</source>
        <translation>Rentenz&amp;inssatz:  %</translation>
    </message>
    <message>
        <source>Annuity &amp;Payment:</source>
        <translation>&amp;Rentenzahlung:</translation>
    </message>
    <message>
        <source>Annuity Payments</source>
        <translation>Rentenzahlungen</translation>
    </message>
    <message>
        <source>Auto check input for appropriate values</source>
        <translation>Eingaben automatisch auf sinnvolle Werte prüfen</translation>
    </message>
    <message>
        <source>Build Fund</source>
        <translation>Vermögensaufbau</translation>
    </message>
    <message>
        <source>Calculate using Years</source>
        <translation>In Jahren rechnen</translation>
    </message>
    <message>
        <source>Calculation history: restore and compare (Ctrl+H)</source>
        <translation>Berechnungsverlauf: wiederherstellen und vergleichen (Ctrl+H)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Close Tarvolin</source>
        <translation>Tarvolin beenden</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Kombination</translation>
    </message>
    <message>
        <source>Combination of monthly annuity payments after a monthy contribution</source>
        <translation>Monatliche Rentenzahlungen nach monatlichen Einzahlungen</translation>
    </message>
    <message>
        <source>Compute in Months</source>
        <translation>In Monaten rechnen</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Do Investment Calculations</source>
        <translation>Geldanlagen berechnen</translation>
    </message>
    <message>
        <source>Do Loan Calculations</source>
        <translation>Kredite berechnen</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Duration w Monthly Pay.</source>
        <translation>Dauer bei Monatsrente</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Laufzeit:</translation>
    </message>
    <message>
        <source>Exact rate for %1: %2 %</source>
        <translation>Exakter Zins für %1: %2 %</translation>
    </message>
    <message>
        <source>Exit app</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Financial Calculator - Investments</source>
        <translation>Finanzrechner - Geldanlagen</translation>
    </message>
    <message>
        <source>Financial Calculator - Loans</source>
        <translation>Finanzrechner - Kredite</translation>
    </message>
    <message>
        <source>Fund &amp;Chart...</source>
        <translation>Kapital&amp;diagramm...</translation>
    </message>
    <message>
        <source>Fund balance after specific yearly payments for a duration</source>
        <translation>Restkapital nach festen jährlichen Entnahmen über eine Laufzeit</translation>
    </message>
    <message>
        <source>Fund: YrPay-SpecDur</source>
        <translation>Kapital: Jährl. Entnahme</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>How long can I get a specified monthly annuity payment</source>
        <translation>Wie lange erhalte ich eine bestimmte monatliche Rente?</translation>
    </message>
    <message>
        <source>How long will I have to pay off the loan?</source>
        <translation>Wie lange muss ich den Kredit abbezahlen?</translation>
    </message>
    <message>
        <source>How much can I borrow?</source>
        <translation>Wie viel Kredit kann ich aufnehmen?</translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make a one time additional payment</source>
        <translation>Um wie viel verkürzt eine einmalige Sondertilgung meinen Kredit?</translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make additional regular payments</source>
        <translation>Um wie viel verkürzen regelmäßige Sondertilgungen meinen Kredit?</translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make additional yearly payments</source>
        <translation>Um wie viel verkürzen jährliche Sondertilgungen meinen Kredit?</translation>
    </message>
    <message>
        <source>I want to pay off my loan; what do I owe?</source>
        <translation>Ich möchte meinen Kredit ablösen: Wie viel schulde ich?</translation>
    </message>
    <message>
        <source>Infation Rate Adjustment:  %</source>
        <translation>Inflationsanpassung:  %</translation>
    </message>
    <message>
        <source>Inflation Adjustment</source>
        <translation>Inflationsanpassung</translation>
    </message>
    <message>
        <source>Ini File Editor</source>
        <translation>Ini-Editor</translation>
    </message>
    <message>
        <source>InputChk</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Installment &amp;Frequency</source>
        <translation>Zahlungs&amp;weise</translation>
    </message>
    <message>
        <source>Interest Compounded</source>
        <translation>Zinsgutschrift</translation>
    </message>
    <message>
        <source>Interest Only Payment</source>
        <translation>Reine Zinsrate</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Invest Calc</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Invested &amp;Amount:</source>
        <translation>&amp;Einlage:</translation>
    </message>
    <message>
        <source>Investment Input Checker</source>
        <translation>Eingabeprüfung für Anlagen</translation>
    </message>
    <message>
        <source>Investment growth with a one time investment</source>
        <translation>Wertzuwachs bei einer Einmalanlage</translation>
    </message>
    <message>
        <source>Investment growth with a yearly contribution</source>
        <translation>Wertzuwachs bei jährlicher Einzahlung</translation>
    </message>
    <message>
        <source>Investment growth with monthly contributions</source>
        <translation>Wertzuwachs bei monatlichen Einzahlungen</translation>
    </message>
    <message>
        <source>Investment growth with monthly contributions after a one time investment</source>
        <translation>Wertzuwachs bei monatlichen Einzahlungen nach einer Einmalanlage</translation>
    </message>
    <message>
        <source>Last Installment made before Payoff:</source>
        <translation>Letzte Rate vor Ablösung:</translation>
    </message>
    <message>
        <source>Last Payment:</source>
        <translation>Letzte Rate:</translation>
    </message>
    <message>
        <source>Launch Loan Payment Table</source>
        <translation>Kreditratentabelle öffnen</translation>
    </message>
    <message>
        <source>Level payments of %1 will be worth %2 during last year of Annuity</source>
        <translation>Gleichbleibende Zahlungen von %1 sind im letzten Rentenjahr noch %2 wert</translation>
    </message>
    <message>
        <source>Loan &amp;Amount: </source>
        <translation>&amp;Kreditbetrag:</translation>
    </message>
    <message>
        <source>Loan &amp;Amount:     </source>
        <translation>&amp;Kreditbetrag:</translation>
    </message>
    <message>
        <source>Loan Amount (Principle)</source>
        <translation>Kreditbetrag (Darlehenssumme)</translation>
    </message>
    <message>
        <source>Loan Payment &amp;Table</source>
        <translation>Kreditraten&amp;tabelle</translation>
    </message>
    <message>
        <source>Mervane</source>
        <translation>Mervane</translation>
    </message>
    <message>
        <source>Modify startup values</source>
        <translation>Startwerte ändern</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Monthly &amp;Amount:</source>
        <translation>&amp;Monatsbetrag:</translation>
    </message>
    <message>
        <source>Monthly Investment</source>
        <translation>Monatliche Sparrate</translation>
    </message>
    <message>
        <source>Monthly Investment -&gt; Monthly Annuity Payment</source>
        <translation>Monatliche Sparrate -&gt; Monatliche Rente</translation>
    </message>
    <message>
        <source>Monthly Payments</source>
        <translation>Monatliche Rente</translation>
    </message>
    <message>
        <source>Monthly annuity payments</source>
        <translation>Monatliche Rentenzahlungen</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Original &amp;DOS Loan Program</source>
        <translation>Original-&amp;DOS-Kreditprogramm</translation>
    </message>
    <message>
        <source>PO&gt;IA</source>
        <translation>PO&gt;IA</translation>
    </message>
    <message>
        <source>PayOff -&gt; Amt</source>
        <translation>Saldo -&gt; Betrag</translation>
    </message>
    <message>
        <source>PayOff -&gt; Invest Amt</source>
        <translation>Ergebnis -&gt; Anlagebetrag</translation>
    </message>
    <message>
        <source>PayOff -&gt; RF</source>
        <translation>Saldo -&gt; RF</translation>
    </message>
    <message>
        <source>PayOff -&gt; Ret Fund</source>
        <translation>Ergebnis -&gt; Ruhestandsfonds</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Ratenbetrag</translation>
    </message>
    <message>
        <source>Payoff Amount</source>
        <translation>Ablösebetrag</translation>
    </message>
    <message>
        <source>Payoff between:  </source>
        <translation>Ablösung zwischen:</translation>
    </message>
    <message>
        <source>Put the exact rate into the rate box and calculate the payment again</source>
        <translation>Den exakten Zinssatz ins Zinsfeld übernehmen und die Rate neu berechnen</translation>
    </message>
    <message>
        <source>RF -&gt; Amt</source>
        <translation>RF -&gt; Betrag</translation>
    </message>
    <message>
        <source>Remaining &amp;Fund:</source>
        <translation>&amp;Restkapital:</translation>
    </message>
    <message>
        <source>Retirement Fund</source>
        <translation>Ruhestandsfonds</translation>
    </message>
    <message>
        <source>Set &amp;Colors -&gt; Ini</source>
        <translation>&amp;Farben festlegen -&gt; Ini</translation>
    </message>
    <message>
        <source>Start &amp;Xtra Payments which Installment:</source>
        <translation>Sondertilgung ab Rate &amp;Nr.:</translation>
    </message>
    <message>
        <source>Start &amp;Xtra Payments with Installment:</source>
        <translation>Sondertilgung ab Rate &amp;Nr.:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Total Contributions:</source>
        <translation>Einzahlungen gesamt:</translation>
    </message>
    <message>
        <source>Total Interest:</source>
        <translation>Zinsen gesamt:</translation>
    </message>
    <message>
        <source>Total Payments:</source>
        <translation>Zahlungen gesamt:</translation>
    </message>
    <message>
        <source>Varies with number of days between Last Installment and Payoff</source>
        <translation>Abhängig von der Zahl der Tage zwischen letzter Rate und Ablösung</translation>
    </message>
    <message>
        <source>Varies with when payoff is made after last installment</source>
        <translation>Abhängig vom Zeitpunkt der Ablösung nach der letzten Rate</translation>
    </message>
    <message>
        <source>What will an interest payment be?</source>
        <translation>Wie hoch ist eine reine Zinszahlung?</translation>
    </message>
    <message>
        <source>What will my payment be?</source>
        <translation>Wie hoch wird meine Rate?</translation>
    </message>
    <message>
        <source>What will the interest rate be?</source>
        <translation>Wie hoch ist der Zinssatz?</translation>
    </message>
    <message>
        <source>Windows &amp;Calculator</source>
        <translation>Windows-&amp;Rechner</translation>
    </message>
    <message>
        <source>Xtra Payment (1x)</source>
        <translation>Sondertilgung (1x)</translation>
    </message>
    <message>
        <source>Xtra Payment (@InstFreq)</source>
        <translation>Sondertilgung (je Rate)</translation>
    </message>
    <message>
        <source>Xtra Payments (yearly)</source>
        <translation>Sondertilgungen (jährlich)</translation>
    </message>
    <message>
        <source>Xtra payment with last installment</source>
        <translation>Sondertilgung mit der letzten Rate</translation>
    </message>
    <message>
        <source>Yearly &amp;Amount:</source>
        <translation>&amp;Jahresbetrag:</translation>
    </message>
    <message>
        <source>Yearly Investment</source>
        <translation>Jährliche Sparrate</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>and:  </source>
        <translation>und:</translation>
    </message>
    <message>
        <source>with %1 Yearly Payments</source>
        <translation>mit %1 Jahreszahlungen</translation>
    </message>
    <message>
        <source>with Xtra Payment</source>
        <translation>mit Sondertilgung</translation>
    </message>
    <message>
        <source>with Xtra Payments</source>
        <translation>mit Sondertilgungen</translation>
    </message>
    <message>
        <source>with Yearly Payments</source>
        <translation>mit Jahreszahlungen</translation>
    </message>
    <message>
        <source>with low Payoff:</source>
        <translation>bei niedr. Ablösung:</translation>
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
        <translation>%1 „%2“ wird als %3 wieder eingelesen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 a month after %2 at once at %3 for %4 years</source>
        <translation>%1 im Monat nach einer Einmalanlage von %2 zu %3 über %4 Jahre</translation>
    </message>
    <message>
        <source>%1 a month at %2 for %3 years</source>
        <translation>%1 im Monat zu %2 über %3 Jahre</translation>
    </message>
    <message>
        <source>%1 a month for %2 years, then %3 a month for %4 years</source>
        <translation>%1 im Monat über %2 Jahre, danach %3 im Monat über %4 Jahre</translation>
    </message>
    <message>
        <source>%1 a year after %2 at once at %3 for %4 years</source>
        <translation>%1 im Jahr nach einer Einmalanlage von %2 zu %3 über %4 Jahre</translation>
    </message>
    <message>
        <source>%1 a year at %2 for %3 years</source>
        <translation>%1 im Jahr zu %2 über %3 Jahre</translation>
    </message>
    <message>
        <source>%1 cannot be written (what it holds can still be viewed)</source>
        <translation>%1 kann nicht beschrieben werden (sein Inhalt lässt sich weiterhin ansehen)</translation>
    </message>
    <message>
        <source>%1 is in use by another copy of Tarvolin</source>
        <translation>%1 wird von einer anderen Tarvolin-Instanz verwendet</translation>
    </message>
    <message>
        <source>%1 less %2 at the start of each year at %3 for %4 years</source>
        <translation>%1 abzüglich %2 zu Beginn jedes Jahres, zu %3 über %4 Jahre</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 Monate</translation>
    </message>
    <message>
        <source>%1 of %2 at %3 for %4 years</source>
        <translation>%1 von %2 zu %3 über %4 Jahre</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n calculations</source>
        <translation>
            <numerusform>%1 von %n Berechnung</numerusform>
            <numerusform>%1 von %n Berechnungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 paying %2 a month at %3 for %4 years</source>
        <translation>%1, Auszahlung %2 im Monat zu %3 über %4 Jahre</translation>
    </message>
    <message>
        <source>%1 paying %2 a year at %3 for %4 years</source>
        <translation>%1, Auszahlung %2 im Jahr zu %3 über %4 Jahre</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tarvolin and is left as it is</source>
        <translation>%1 wurde von einer neueren Tarvolin-Version geschrieben und bleibt unverändert</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1; %2 marked for Compare (click %3 or press Mark to mark two to four)</source>
        <translation>%1; %2 zum Vergleich markiert (%3 anklicken oder „Markieren“ drücken, um zwei bis vier zu markieren)</translation>
    </message>
    <message>
        <source>%1; the history is not being kept</source>
        <translation>%1; der Verlauf wird nicht gespeichert</translation>
    </message>
    <message numerus="yes">
        <source>%n mos</source>
        <translation>
            <numerusform>%n Mon.</numerusform>
            <numerusform>%n Mon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yrs</source>
        <translation>
            <numerusform>%n J.</numerusform>
            <numerusform>%n J.</numerusform>
        </translation>
    </message>
    <message>
        <source>Additional Annuity Payments:            %1</source>
        <translation>Zusätzliche Rentenzahlung:            %1</translation>
    </message>
    <message>
        <source>Amortization Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Amortization Schedule Chart</source>
        <translation>Diagramm Tilgungsplan</translation>
    </message>
    <message>
        <source>Amortization Schedule: loan of %1 at %2% for %3, payment %4</source>
        <translation>Tilgungsplan: Kredit von %1 zu %2 %, %3, Rate %4</translation>
    </message>
    <message>
        <source>Amortization schedule.csv</source>
        <translation>Tilgungsplan.csv</translation>
    </message>
    <message>
        <source>Amortization schedule.pdf</source>
        <translation>Tilgungsplan.pdf</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Amount financed</source>
        <translation>Finanzierungsbetrag</translation>
    </message>
    <message>
        <source>Amount too large - at most %1 can be computed</source>
        <translation>Betrag zu groß - es können höchstens %1 berechnet werden</translation>
    </message>
    <message>
        <source>An amortization schedule can show at most %1 months.</source>
        <translation>Ein Tilgungsplan kann höchstens %1 Monate zeigen.</translation>
    </message>
    <message>
        <source>Annual annuity</source>
        <translation>Jährliche Rente</translation>
    </message>
    <message>
        <source>Annuity &amp;Duration: (yrs)</source>
        <translation>Renten&amp;dauer: (J.)</translation>
    </message>
    <message>
        <source>Annuity Amount</source>
        <translation>Rentenbetrag</translation>
    </message>
    <message>
        <source>Annuity Duration</source>
        <translation>Rentendauer</translation>
    </message>
    <message>
        <source>Annuity Duration too long - at most %1 monthly payments can be computed</source>
        <translation>Rentendauer zu lang - es können höchstens %1 Monatszahlungen berechnet werden</translation>
    </message>
    <message>
        <source>Annuity Duration too short - the annuity must last at least one month</source>
        <translation>Rentendauer zu kurz - die Rente muss mindestens einen Monat laufen</translation>
    </message>
    <message>
        <source>Annuity duration</source>
        <translation>Rentendauer</translation>
    </message>
    <message>
        <source>At most %1 calculations can be compared; unmark one before marking another.</source>
        <translation>Höchstens %1 Berechnungen können verglichen werden; heben Sie eine Markierung auf, bevor Sie eine weitere markieren.</translation>
    </message>
    <message>
        <source>Background and Text are the same color</source>
        <translation>Hintergrund und Text haben dieselbe Farbe</translation>
    </message>
    <message>
        <source>Balance and fund over time</source>
        <translation>Restschuld und Kapital im Zeitverlauf</translation>
    </message>
    <message>
        <source>Build Fund 1x Amount</source>
        <translation>Aufbau Einmalbetrag</translation>
    </message>
    <message>
        <source>Build Fund Duration</source>
        <translation>Laufzeit Vermögensaufbau</translation>
    </message>
    <message>
        <source>Build Fund Monthly Amount</source>
        <translation>Aufbau Monatsbetrag</translation>
    </message>
    <message>
        <source>Build Fund Yearly Amount</source>
        <translation>Aufbau Jahresbetrag</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>Compared calculations.csv</source>
        <translation>Verglichene Berechnungen.csv</translation>
    </message>
    <message>
        <source>Compared calculations.pdf</source>
        <translation>Verglichene Berechnungen.pdf</translation>
    </message>
    <message>
        <source>Comparison of %1 calculations</source>
        <translation>Vergleich von %1 Berechnungen</translation>
    </message>
    <message>
        <source>Contributions</source>
        <translation>Einzahlungen</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n calculations from the history? This cannot be undone.</source>
        <translation>
            <numerusform>Möchten Sie %n Berechnung aus dem Verlauf löschen? Dies kann nicht rückgängig gemacht werden.</numerusform>
            <numerusform>Möchten Sie alle %n Berechnungen aus dem Verlauf löschen? Dies kann nicht rückgängig gemacht werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to save the values as typed?</source>
        <translation>Möchten Sie die Werte wie eingegeben speichern?</translation>
    </message>
    <message>
        <source>Down payment</source>
        <translation>Anzahlung</translation>
    </message>
    <message>
        <source>Down payment amount cannot exceed purchase amount.</source>
        <translation>Die Anzahlung darf den Kaufpreis nicht übersteigen.</translation>
    </message>
    <message>
        <source>Down payment amount must be zero or greater.</source>
        <translation>Die Anzahlung muss null oder größer sein.</translation>
    </message>
    <message>
        <source>Down payment percentage cannot exceed %1 percent.</source>
        <translation>Die Anzahlung darf %1 Prozent nicht übersteigen.</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 annuity payments can be computed</source>
        <translation>Laufzeit zu lang - es können höchstens %1 Rentenzahlungen berechnet werden</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 compounding periods can be computed (89 years compounded daily)</source>
        <translation>Laufzeit zu lang - es können höchstens %1 Zinsperioden berechnet werden (89 Jahre bei täglicher Zinsgutschrift)</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 installments can be computed</source>
        <translation>Laufzeit zu lang - es können höchstens %1 Raten berechnet werden</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 yearly payments can be computed</source>
        <translation>Laufzeit zu lang - es können höchstens %1 Jahreszahlungen berechnet werden</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 years can be adjusted for inflation</source>
        <translation>Laufzeit zu lang - höchstens %1 Jahre können an die Inflation angepasst werden</translation>
    </message>
    <message>
        <source>Duration too short - the annuity must make at least one payment</source>
        <translation>Laufzeit zu kurz - die Rente muss mindestens eine Zahlung umfassen</translation>
    </message>
    <message>
        <source>Duration too short - the loan must last at least one installment</source>
        <translation>Laufzeit zu kurz - der Kredit muss mindestens eine Rate umfassen</translation>
    </message>
    <message>
        <source>ERROR: Annuity Payment is too large. Duration result is expected to be less than 3mos.</source>
        <translation>FEHLER: Die Rentenzahlung ist zu hoch. Die berechnete Laufzeit läge unter 3 Monaten.</translation>
    </message>
    <message>
        <source>ERROR: Annuity Payment is too small. Duration result is expected to be more than 75yrs.</source>
        <translation>FEHLER: Die Rentenzahlung ist zu niedrig. Die berechnete Laufzeit läge über 75 Jahren.</translation>
    </message>
    <message>
        <source>ERROR: Duration is less than 3 mos; decrease Annuity Payment.</source>
        <translation>FEHLER: Die Laufzeit liegt unter 3 Monaten; verringern Sie die Rentenzahlung.</translation>
    </message>
    <message>
        <source>Enter the purchase amount, down payment, length of loan, and interest rates. Click the Show Payments button to display monthly payments in the grid on the right.
&#xd;
&#xd;Select a monthly payment and click the Show Amortization button to display an amortization schedule for the selected interest rate and length of loan in the grid.
&#xd;
&#xd;Select cells in the grid and choose Copy from the Options menu to copy data onto the Clipboard.</source>
        <translation>Geben Sie Kaufpreis, Anzahlung, Laufzeit und Zinssätze ein. Klicken Sie auf „Raten anzeigen“, um die Monatsraten in der Tabelle rechts anzuzeigen.
&#xd;
&#xd;Wählen Sie eine Monatsrate und klicken Sie auf „Tilgungsplan anzeigen“, um den Tilgungsplan für den gewählten Zinssatz und die gewählte Laufzeit in der Tabelle anzuzeigen.
&#xd;
&#xd;Markieren Sie Zellen in der Tabelle und wählen Sie „Kopieren“ im Menü „Optionen“, um die Daten in die Zwischenablage zu kopieren.</translation>
    </message>
    <message>
        <source>Exceeded High Interest of 25%</source>
        <translation>Zinsobergrenze von 25 % überschritten</translation>
    </message>
    <message>
        <source>Extra each installment</source>
        <translation>Sondertilgung je Rate</translation>
    </message>
    <message>
        <source>Extra yearly payments</source>
        <translation>Jährliche Sondertilgungen</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Kapital</translation>
    </message>
    <message>
        <source>Fund after yearly withdrawals</source>
        <translation>Kapital nach jährlichen Entnahmen</translation>
    </message>
    <message>
        <source>Fund balance</source>
        <translation>Kapitalstand</translation>
    </message>
    <message>
        <source>Fund over time</source>
        <translation>Kapital im Zeitverlauf</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Wertzuwachs</translation>
    </message>
    <message>
        <source>Inappropriate Input - the result is too large to compute</source>
        <translation>Ungeeignete Eingabe - das Ergebnis ist zu groß für die Berechnung</translation>
    </message>
    <message>
        <source>Input too long - a box holds at most %1 characters</source>
        <translation>Eingabe zu lang - ein Feld fasst höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Interest-only payment</source>
        <translation>Reine Zinsrate</translation>
    </message>
    <message>
        <source>Invested amount seems small - do you want to use the ini file value?</source>
        <translation>Die Einlage scheint gering - möchten Sie den Wert aus der Ini-Datei verwenden?</translation>
    </message>
    <message>
        <source>Invested amount seems small - do you want to use the previously calculated payment amount?</source>
        <translation>Die Einlage scheint gering - möchten Sie den zuvor berechneten Zahlungsbetrag verwenden?</translation>
    </message>
    <message>
        <source>Investment Chart</source>
        <translation>Anlagediagramm</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Kreditbetrag</translation>
    </message>
    <message>
        <source>Loan Duration</source>
        <translation>Kreditlaufzeit</translation>
    </message>
    <message>
        <source>Loan Payment Table Chart</source>
        <translation>Diagramm Ratentabelle</translation>
    </message>
    <message>
        <source>Loan Payment Table: monthly payments</source>
        <translation>Ratentabelle: Monatsraten</translation>
    </message>
    <message>
        <source>Loan amount</source>
        <translation>Kreditbetrag</translation>
    </message>
    <message>
        <source>Loan balance over time</source>
        <translation>Restschuld im Zeitverlauf</translation>
    </message>
    <message>
        <source>Loan duration</source>
        <translation>Kreditlaufzeit</translation>
    </message>
    <message>
        <source>Loan is paid off before that installment - no Xtra payment made</source>
        <translation>Der Kredit ist vor dieser Rate abbezahlt - keine Sondertilgung geleistet</translation>
    </message>
    <message>
        <source>Loan length</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Loan of</source>
        <translation>Kredit über</translation>
    </message>
    <message>
        <source>Loan payment</source>
        <translation>Kreditrate</translation>
    </message>
    <message>
        <source>Loan payment table.csv</source>
        <translation>Ratentabelle.csv</translation>
    </message>
    <message>
        <source>Loan payment table.pdf</source>
        <translation>Ratentabelle.pdf</translation>
    </message>
    <message>
        <source>Loan payoff</source>
        <translation>Kreditablösung</translation>
    </message>
    <message>
        <source>LoanSheet Error</source>
        <translation>LoanSheet-Fehler</translation>
    </message>
    <message>
        <source>LoanSheet Instructions</source>
        <translation>LoanSheet-Anleitung</translation>
    </message>
    <message>
        <source>Mark two to four calculations to compare: click in the %1 column of their lines, or choose a line and press Mark.</source>
        <translation>Markieren Sie zwei bis vier Berechnungen zum Vergleich: Klicken Sie in die Spalte %1 ihrer Zeilen, oder wählen Sie eine Zeile und drücken Sie „Markieren“.</translation>
    </message>
    <message>
        <source>Maximum interest rate must be greater than or equal to the minimum interest rate.</source>
        <translation>Der maximale Zinssatz muss größer oder gleich dem minimalen Zinssatz sein.</translation>
    </message>
    <message>
        <source>Maximum interest rate must be greater than the minimum interest rate.</source>
        <translation>Der maximale Zinssatz muss größer als der minimale Zinssatz sein.</translation>
    </message>
    <message>
        <source>Maximum length of loan must be greater than the minimum length of loan.</source>
        <translation>Die maximale Laufzeit muss größer als die minimale Laufzeit sein.</translation>
    </message>
    <message>
        <source>Minimum interest rate must be less than or equal to the maximum interest rate.</source>
        <translation>Der minimale Zinssatz muss kleiner oder gleich dem maximalen Zinssatz sein.</translation>
    </message>
    <message>
        <source>Missing or Inappropriate Input (possibly a negitive number or 0)</source>
        <translation>Fehlende oder ungeeignete Eingabe (möglicherweise eine negative Zahl oder 0)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Monthly Investment seems too large - do you want to use the ini file value?</source>
        <translation>Die monatliche Sparrate scheint zu hoch - möchten Sie den Wert aus der Ini-Datei verwenden?</translation>
    </message>
    <message>
        <source>Monthly annuity</source>
        <translation>Monatliche Rente</translation>
    </message>
    <message>
        <source>Monthly investment</source>
        <translation>Monatliche Sparrate</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Monatsrate</translation>
    </message>
    <message>
        <source>Monthly payment on %1 by loan length, one line per rate</source>
        <translation>Monatsrate für %1 nach Laufzeit, eine Linie je Zinssatz</translation>
    </message>
    <message>
        <source>No Xtra payment made - nothing saved; paid off %1</source>
        <translation>Keine Sondertilgung geleistet - keine Ersparnis; abbezahlt am %1</translation>
    </message>
    <message>
        <source>No balance or fund to chart</source>
        <translation>Keine Restschuld und kein Kapital darzustellen</translation>
    </message>
    <message>
        <source>One extra payment</source>
        <translation>Einmalige Sondertilgung</translation>
    </message>
    <message>
        <source>One time investment seems small - do you want to use the ini file value?</source>
        <translation>Die Einmalanlage scheint gering - möchten Sie den Wert aus der Ini-Datei verwenden?</translation>
    </message>
    <message>
        <source>One-time + monthly investment</source>
        <translation>Einmalanlage + monatliche Sparrate</translation>
    </message>
    <message>
        <source>One-time investment</source>
        <translation>Einmalanlage</translation>
    </message>
    <message>
        <source>Paid in the year</source>
        <translation>Im Jahr gezahlt</translation>
    </message>
    <message>
        <source>Paid out</source>
        <translation>Ausgezahlt</translation>
    </message>
    <message>
        <source>Payment too small - it would show as %1; increase the amount or shorten the duration</source>
        <translation>Rate zu klein - sie würde als %1 angezeigt; erhöhen Sie den Betrag oder verkürzen Sie die Laufzeit</translation>
    </message>
    <message>
        <source>Please increase the payment amount. [75 yrs will be used]</source>
        <translation>Bitte erhöhen Sie die Zahlung. [Es werden 75 Jahre verwendet]</translation>
    </message>
    <message>
        <source>Please reduce the payment amount. [1 yr will be used]</source>
        <translation>Bitte verringern Sie die Zahlung. [Es wird 1 Jahr verwendet]</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Principal and interest paid each year, and the interest paid in all - %1</source>
        <translation>Tilgung und Zinsen je Jahr sowie die Zinsen insgesamt - %1</translation>
    </message>
    <message>
        <source>Principal balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Retirement Fund seems too large for monthly payment - re-enter if appropriate</source>
        <translation>Der Ruhestandsfonds scheint für eine monatliche Zahlung zu groß - geben Sie ihn gegebenenfalls neu ein</translation>
    </message>
    <message numerus="yes">
        <source>Saves %n installments and %1 interest; paid off %2</source>
        <translation>
            <numerusform>Spart %n Rate und %1 Zinsen; abbezahlt am %2</numerusform>
            <numerusform>Spart %n Raten und %1 Zinsen; abbezahlt am %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Saving, then annuity</source>
        <translation>Sparen, dann Rente</translation>
    </message>
    <message>
        <source>Something went wrong in %1: %2. Your inputs are as they were before.</source>
        <translation>In %1 ist etwas schiefgegangen: %2. Ihre Eingaben sind unverändert.</translation>
    </message>
    <message>
        <source>Suggested payment not high enough for this loan amount</source>
        <translation>Die vorgeschlagene Rate reicht für diesen Kreditbetrag nicht aus</translation>
    </message>
    <message>
        <source>Suggested payment too low - even at 0% interest it does not repay this loan amount</source>
        <translation>Vorgeschlagene Rate zu niedrig - selbst bei 0 % Zinsen tilgt sie diesen Kreditbetrag nicht</translation>
    </message>
    <message>
        <source>Table schedule</source>
        <translation>Tilgungsplan aus der Tabelle</translation>
    </message>
    <message>
        <source>The calculation history %1 was damaged. It was kept as %2 and a new history begins.</source>
        <translation>Der Berechnungsverlauf %1 war beschädigt. Er wurde als %2 aufbewahrt, und ein neuer Verlauf beginnt.</translation>
    </message>
    <message>
        <source>The calculation history is not being kept: %1. Your calculations go on as before; they are not recorded until Tarvolin is started again.</source>
        <translation>Der Berechnungsverlauf wird nicht gespeichert: %1. Sie können wie gewohnt weiterrechnen; Ihre Berechnungen werden erst nach einem Neustart von Tarvolin wieder aufgezeichnet.</translation>
    </message>
    <message>
        <source>The fund runs out in year %1: it pays %2 of that year's %3.</source>
        <translation>Das Kapital ist im Jahr %1 aufgebraucht: Es zahlt %2 der %3 dieses Jahres.</translation>
    </message>
    <message>
        <source>The last installment of %1 is a balloon payment: the level payment does not repay the loan within its term.</source>
        <translation>Die letzte Rate von %1 ist eine Schlussrate: Die gleichbleibende Rate tilgt den Kredit nicht innerhalb der Laufzeit.</translation>
    </message>
    <message>
        <source>The loan is paid off before that installment</source>
        <translation>Der Kredit ist vor dieser Rate abbezahlt</translation>
    </message>
    <message>
        <source>The loan is repaid with installment %1, before the end of its term; the last installment is %2.</source>
        <translation>Der Kredit ist mit der %1. Rate getilgt, vor Ende der Laufzeit; die letzte Rate beträgt %2.</translation>
    </message>
    <message>
        <source>The marked calculations can no longer be read from the history.</source>
        <translation>Die markierten Berechnungen können nicht mehr aus dem Verlauf gelesen werden.</translation>
    </message>
    <message>
        <source>The maximum length of loan cannot exceed %1 months.</source>
        <translation>Die maximale Laufzeit darf %1 Monate nicht überschreiten.</translation>
    </message>
    <message>
        <source>The maximum length of loan cannot exceed %1 years (%2 months).</source>
        <translation>Die maximale Laufzeit darf %1 Jahre (%2 Monate) nicht überschreiten.</translation>
    </message>
    <message>
        <source>The maximum length of loan cannot exceed %1 years.</source>
        <translation>Die maximale Laufzeit darf %1 Jahre nicht überschreiten.</translation>
    </message>
    <message>
        <source>The maximum length of loan must be at least one month or year.</source>
        <translation>Die maximale Laufzeit muss mindestens einen Monat bzw. ein Jahr betragen.</translation>
    </message>
    <message>
        <source>The minimum length of loan must be one month or year.</source>
        <translation>Die minimale Laufzeit muss mindestens einen Monat bzw. ein Jahr betragen.</translation>
    </message>
    <message>
        <source>The purchase amount cannot exceed %1.</source>
        <translation>Der Kaufpreis darf %1 nicht übersteigen.</translation>
    </message>
    <message>
        <source>The settings could not be read - %1: %2. Tarvolin uses its default settings and leaves the file as it is.</source>
        <translation>Die Einstellungen konnten nicht gelesen werden - %1: %2. Tarvolin verwendet seine Standardeinstellungen und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>The settings could not be saved - %1: %2. Nothing was changed.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden - %1: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The table can show at most %1 interest rates.</source>
        <translation>Die Tabelle kann höchstens %1 Zinssätze zeigen.</translation>
    </message>
    <message>
        <source>The table can show at most %1 year columns or %2 month columns.</source>
        <translation>Die Tabelle kann höchstens %1 Jahresspalten oder %2 Monatsspalten zeigen.</translation>
    </message>
    <message>
        <source>The table cannot be computed from these values.</source>
        <translation>Aus diesen Werten lässt sich die Tabelle nicht berechnen.</translation>
    </message>
    <message>
        <source>This calculation can no longer be read from the history.</source>
        <translation>Diese Berechnung kann nicht mehr aus dem Verlauf gelesen werden.</translation>
    </message>
    <message>
        <source>This calculation was recorded by another version of Tarvolin and cannot be restored.</source>
        <translation>Diese Berechnung wurde von einer anderen Tarvolin-Version aufgezeichnet und kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen insgesamt</translation>
    </message>
    <message>
        <source>WARNING: Infation rate seems a little high.</source>
        <translation>WARNUNG: Die Inflationsrate scheint etwas hoch.</translation>
    </message>
    <message>
        <source>Withdrawn</source>
        <translation>Entnommen</translation>
    </message>
    <message>
        <source>Xtra payment exceeds the balance - only the balance is paid</source>
        <translation>Die Sondertilgung übersteigt die Restschuld - es wird nur die Restschuld gezahlt</translation>
    </message>
    <message>
        <source>Xtra payment with last installment</source>
        <translation>Sondertilgung mit der letzten Rate</translation>
    </message>
    <message>
        <source>Year of the loan</source>
        <translation>Kreditjahr</translation>
    </message>
    <message>
        <source>Yearly Payments (beginning of year): %1</source>
        <translation>Jährl. Entnahme (zum Jahresanfang): %1</translation>
    </message>
    <message>
        <source>Yearly investment</source>
        <translation>Jährliche Sparrate</translation>
    </message>
    <message>
        <source>Yearly investment seems inappropriate - do you want to use the ini file value?</source>
        <translation>Die jährliche Sparrate scheint ungeeignet - möchten Sie den Wert aus der Ini-Datei verwenden?</translation>
    </message>
    <message>
        <source>Yearly payment seems inappropriate - do you want to use the ini file value?</source>
        <translation>Die jährliche Entnahme scheint ungeeignet - möchten Sie den Wert aus der Ini-Datei verwenden?</translation>
    </message>
    <message>
        <source>Years from the start</source>
        <translation>Jahre ab Beginn</translation>
    </message>
    <message>
        <source>You must enter a maximum length of loan.</source>
        <translation>Bitte geben Sie eine maximale Laufzeit ein.</translation>
    </message>
    <message>
        <source>You must enter a valid purchase amount.</source>
        <translation>Bitte geben Sie einen gültigen Kaufpreis ein.</translation>
    </message>
    <message>
        <source>You must specify a maximum interest rate greater than zero.</source>
        <translation>Bitte geben Sie einen maximalen Zinssatz größer als null an.</translation>
    </message>
    <message>
        <source>a temporary file cannot be created beside it</source>
        <translation>daneben kann keine temporäre Datei angelegt werden</translation>
    </message>
    <message>
        <source>closing the new file failed</source>
        <translation>das Schließen der neuen Datei ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>flushing it to the disk failed</source>
        <translation>das Schreiben auf den Datenträger ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>input Error</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>it cannot be locked</source>
        <translation>sie kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>it cannot be reached</source>
        <translation>sie ist nicht erreichbar</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link that belongs to another user</source>
        <translation>es ist ein symbolischer Link, der einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it is too large for a settings file (%1 bytes; at most %2)</source>
        <translation>sie ist zu groß für eine Einstellungsdatei (%1 Byte; höchstens %2)</translation>
    </message>
    <message>
        <source>its folder %1 cannot be created</source>
        <translation>ihr Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>its folder %1 cannot be reached</source>
        <translation>ihr Ordner %1 ist nicht erreichbar</translation>
    </message>
    <message>
        <source>its owner cannot be kept</source>
        <translation>ihr Besitzer kann nicht beibehalten werden</translation>
    </message>
    <message>
        <source>its permissions cannot be kept</source>
        <translation>ihre Zugriffsrechte können nicht beibehalten werden</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>reading it failed after %1 bytes</source>
        <translation>das Lesen ist nach %1 Byte fehlgeschlagen</translation>
    </message>
    <message>
        <source>the disk holding %1 is full (what it holds is kept)</source>
        <translation>der Datenträger mit %1 ist voll (der bisherige Inhalt bleibt erhalten)</translation>
    </message>
    <message>
        <source>the file %1 cannot be created or opened</source>
        <translation>die Datei %1 kann nicht angelegt oder geöffnet werden</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened</source>
        <translation>die Sperrdatei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the lock file %1 is not a regular file</source>
        <translation>die Sperrdatei %1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>the new file cannot take the old one's place</source>
        <translation>die neue Datei kann die alte nicht ersetzen</translation>
    </message>
    <message>
        <source>the new text would be too large for a settings file (%1 bytes; at most %2)</source>
        <translation>der neue Text wäre zu groß für eine Einstellungsdatei (%1 Byte; höchstens %2)</translation>
    </message>
    <message>
        <source>the save was stopped</source>
        <translation>das Speichern wurde abgebrochen</translation>
    </message>
    <message>
        <source>writing failed</source>
        <translation>das Schreiben ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>★ marks the best result of a row (the least paid or the soonest, the largest fund). (+…) and (−…) are differences from calculation 1; — marks a value a calculation does not have.</source>
        <translation>★ kennzeichnet das beste Ergebnis einer Zeile (am wenigsten gezahlt oder am frühesten, das größte Kapital). (+…) und (−…) sind Abweichungen von Berechnung 1; — kennzeichnet einen Wert, den eine Berechnung nicht hat.</translation>
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
        <translation>1987 - Ursprüngliche DOS-Version&#xd;
1996 - Erste Windows-Version (16 Bit)&#xd;
&#xd;
 Ver.&#x9; Datum&#x9;Versionsgeschichte&#xd;
6.00.00  02/13/02 - Auf die neue Version der Entwicklungswerkzeuge umgestellt; verwendet das maskierte Eingabefeld und das flexible Raster&#xd;
6.00.01  03/14/02 - Initialisierung der Eingabefelder korrigiert&#xd;
6.00.02  03/21/02 - Rechtschreibfehler korrigiert, Farben neu formatiert&#xd;
6.01.00  03/25/02 - Farben lassen sich über Vorlagen oder die Fensterstandards einstellen&#xd;
6.01.01  03/26/02 - Tabulatorreihenfolge &amp; Fokus angepasst&#xd;
6.01.02  03/27/02 - Button-Farbe hinzugefügt; Button-Text war nicht möglich&#xd;
&#x9;&#x9;Fensterstandard zu den Hintergrundlisten hinzugefügt&#xd;
6.01.03  03/27/02 - Formatierungsprobleme &amp; Menüeinträge angepasst&#xd;
6.01.04  03/28/02 - Meldungen für Ablösung &amp; Rente geändert&#xd;
6.02.00  04/07/02 - Ratentabelle korrigiert: Tabelle kopieren &amp; Drucken auf dem Standarddrucker hinzugefügt&#xd;
&#x9;&#x9;Anpassbare Symbolleiste mit MS Toolbar &amp; ImageList hinzugefügt&#xd;
6.03.00  05/07/02 - Neue „Rentenzahlung“ hinzugefügt - Restkapital bei jährlicher Zahlung über eine bestimmte Laufzeit&#xd;
6.03.01  05/08/02 - Schaltfläche „InputChk“ hinzugefügt, Prüfung bereinigt&#xd;
6.03.04  05/11/02 - Reihenfolge der Schaltflächen geändert, Schaltfläche PO-&gt;Amt wieder eingefügt, Code bereinigt&#xd;
6.03.05  05/17/02 - Tooltips für die Optionsschaltflächen hinzugefügt&#xd;
6.03.06  05/21/02 - Echte Eingabeprüfung bei Geldanlagen wieder eingeführt, wenn die „Eingabeprüfung“ aktiv ist&#xd;
&#x9;&#x9;Geldanlage „Combo“ korrigiert: Die Monatsrate wird jetzt richtig berechnet&#xd;
6.03.07  05/25/02 - Schaltfläche „Schließen“ im Tabellendialog hinzugefügt und „X“ (Schließen) im Systemmenü wiederhergestellt</translation>
    </message>
    <message>
        <source>Mervane Update History</source>
        <translation>Mervane – Versionsgeschichte</translation>
    </message>
</context>
</TS>
