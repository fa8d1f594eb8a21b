<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en_US">
<context>
    <name>About</name>
    <message>
        <source>About Tarvolin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop edition for Linux, built with Qt %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop edition for Linux, built with Qt 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mervane Disclaimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some annuity payments could not be verified.  It is believed that the equations are correct and therefore the figures are assumed to be correct; but you know what happens to assume.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvolin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorFm</name>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test Scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boring Grey - Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Bkgrnd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dk Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dk Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dk Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DkGreen - Cyan - Yellow </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DkRed - Cyan - Yellow </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilite Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilite Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lable Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lt Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lt Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lt Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lt Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lt Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lt Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lt Tan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lt Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LtBlue - Blue - Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LtGrn - Blue - Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PlGrn - Blk - Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset Color schemes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tan - Blk - Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text will be Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textbox Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textbox Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Window Defaults for all Screens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>%1 yrs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 yrs %2 mos (−%3 yrs %4 mos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 yrs (−%2 yrs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Extra each installment&#xd;
%2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Loan payment&#xd;
%2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy table to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance or fund of each calculation by year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculations &amp;compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration (Yrs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid off after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves %1 installments and %2 interest; paid off %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Xtra Payments with Installment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest without Xtra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Payments without Xtra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xtra Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>★ %1 yrs %2 mos (−%3 yrs %4 mos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>★ %1 yrs (−%2 yrs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>★ marks the best result of a row (the least paid or the soonest, the largest fund). (+…) and (−…) are differences from calculation %1; — marks a value a calculation does not have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>★ marks the best result of a row (the least paid or the soonest, the largest fund). (+…) and (−…) are differences from calculation 1; — marks a value a calculation does not have.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1 of %2 calculations; %3 marked for Compare (click ✓ or press Mark to mark two to four)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra each installment — %1 at %2 % for %3 yrs + %4 → %5 a month, paid off after %6 yrs %7 mos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan payment — %1 at %2 % for %3 yrs → %4 a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark or unmark the chosen calculation for Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly investment — %1 at %2 % for %3 yrs → %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the chosen calculation back into the calculator and calculate it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove every calculation from the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the chosen calculation from the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only the calculations whose line holds this text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the two to four marked calculations side by side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table schedule — %1 at %2 % for %3 yrs → %4 a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which calculations the list shows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuity Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuity Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuity Interest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Fund 1x Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Fund Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Fund Interest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Fund Monthly Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Fund Yearly Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ini File Settings - Tarvolin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvolin Ini File Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoanSheet</name>
    <message>
        <source>%1 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Amount Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy table  to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instructions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Percent Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Purchase Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Return to Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Years in Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest &amp;Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LoanSheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months in Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principle Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principle Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Amortization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last installment of %1 is a balloon payment: the level payment does not repay the loan within its term.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years in Loan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mervane</name>
    <message>
        <source>  Clear Ret Fund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Ret Fund -&gt; Amt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (2x a month) Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (every %2 wks) Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (monthly) Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Time &amp;Amount:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 payments&#xd;
    (%2 yrs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Definitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duration:  (Mos)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duration:  (Yrs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ini File Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Interest Rate:  %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Investment Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loan Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PayOff:                </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Payment: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Payment:            </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset From Ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solve For:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use exact rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Xtra Payment made with Installment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Xtra Payment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Xtra Payment:     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 (monthly) Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st Adj Payment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1x + Monthly Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1x Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 (2x a month) Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26 (every 2 wks) Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Annuity Payments:            $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>And Last:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>And: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual annuity payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuity &amp;Duration: (yrs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuity &amp;Interest Rate:  %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuity &amp;Payment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuity Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto check input for appropriate values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Fund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate using Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation history: restore and compare (Ctrl+H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Tarvolin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combination of monthly annuity payments after a monthy contribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute in Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Investment Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Loan Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration w Monthly Pay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact rate for %1: %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Financial Calculator - Investments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Financial Calculator - Loans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fund &amp;Chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fund balance after specific yearly payments for a duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fund: YrPay-SpecDur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long can I get a specified monthly annuity payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long will I have to pay off the loan?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much can I borrow?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make a one time additional payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make additional regular payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make additional yearly payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I want to pay off my loan; what do I owe?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infation Rate Adjustment:  %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inflation Adjustment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ini File Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InputChk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installment &amp;Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Compounded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Only Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invest Calc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invested &amp;Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment Input Checker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment growth with a one time investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment growth with a yearly contribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment growth with monthly contributions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment growth with monthly contributions after a one time investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Installment made before Payoff:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Payment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Loan Payment Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level payments of %1 will be worth %2 during last year of Annuity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan &amp;Amount: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan &amp;Amount:     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Amount (Principle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Payment &amp;Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mervane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify startup values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly &amp;Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Investment -&gt; Monthly Annuity Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly annuity payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original &amp;DOS Loan Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PO&gt;IA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PayOff -&gt; Amt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PayOff -&gt; Invest Amt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PayOff -&gt; RF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PayOff -&gt; Ret Fund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payoff Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payoff between:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the exact rate into the rate box and calculate the payment again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RF -&gt; Amt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining &amp;Fund:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retirement Fund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves %1 installments and %2 interest; paid off %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;Colors -&gt; Ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;Xtra Payments which Installment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;Xtra Payments with Installment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Contributions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Payments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varies with number of days between Last Installment and Payoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varies with when payoff is made after last installment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What will an interest payment be?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What will my payment be?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What will the interest rate be?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows &amp;Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xtra Payment (1x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xtra Payment (@InstFreq)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xtra Payments (yearly)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xtra payment exceeds the balance - only the balance is paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xtra payment with last installment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly &amp;Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly Payments (beginning of year): $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with %1 Yearly Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with Xtra Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with Xtra Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with Yearly Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with low Payoff:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a month at %2 for %3 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a month for %2 years, then %3 a month for %4 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 paying %2 a month at %3 for %4 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization Schedule
Purchase: %1
Down payment: %2 %3
Amount financed: %4
Rate: %5
Length: %6 years
Monthly payment: %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization Schedule Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization Schedule: loan of %1 at %2 for %3 years, payment %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background and Text are the same color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compared calculations.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contributions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down payment amount cannot exceed purchase amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down payment amount must be zero or greater.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down payment percentage cannot exceed %1 percent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration too long - at most %1 installments can be computed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration too short - the loan must last at least one installment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the purchase amount, down payment, length of loan, and interest rates. Click the Show Payments button to display monthly payments in the grid on the right.
&#xd;
&#xd;Select a monthly payment and click the Show Amortization button to display an amortization schedule for the selected interest rate and length of loan in the grid.
&#xd;
&#xd;Select cells in the grid and choose Copy from the Options menu to copy data onto the Clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exceeded High Interest of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fund balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investment Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Amount &quot;%1&quot; will be read back as %2
Build Fund Duration &quot;%3&quot; will be read back as %4

Do you want to save the values as typed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Payment Table Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Payment Table: monthly payments
Purchase: %1
Down payment: %2 %3
Amount financed: %4
Rate: %5 to %6
Length: %7 to %8 years
Monthly payment: %9 to $1,991.94</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Payment Table: monthly payments
Purchase: %1
Down payment: %2 %3
Amount financed: %4
Rate: %5 to %6
Length: %7 to %8 years
Monthly payment: %9 to $787.79</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan payment table.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan payment table.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LoanSheet Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LoanSheet Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum interest rate must be greater than or equal to the minimum interest rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum length of loan must be greater than the minimum length of loan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum interest rate must be less than or equal to the maximum interest rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing or Inappropriate Input (possibly a negitive number or %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly payment on %1 by loan length, one line per rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid in the year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal and interest paid each year, and the interest paid in all - Amortization Schedule: loan of %1 at %2 for %3 years, payment %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principle Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principle Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested payment not high enough for this loan amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested payment too low - even at %1 interest it does not repay this loan amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum length of loan cannot exceed %1 months.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum length of loan cannot exceed %1 years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum length of loan must be at least one month or year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minimum length of loan must be one month or year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The purchase amount cannot exceed %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of the loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years from the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a maximum length of loan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a valid purchase amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must specify a maximum interest rate greater than zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateHist</name>
    <message>
        <source>%1 - Original DOS ver&#xd;
%2 - First Windows version (%3 bit)&#xd;
&#xd;
 Ver&#x9; Date&#x9;Update History&#xd;
%4  %5 - Converted to the new release of the development tools; uses the masked edit box and the flexible grid&#xd;
%6  %7 - Fix the initialization of the edit boxes&#xd;
%8  %9 - Fix spelling error, reformat colors&#xd;
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mervane Update History</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
