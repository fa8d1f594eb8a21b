<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en_US">
<context>
    <name>About</name>
    <message>
        <source>About Tarvolin</source>
        <translation>Acerca de Tarvolin</translation>
    </message>
    <message>
        <source>Desktop edition for Linux, built with Qt 6</source>
        <translation>Edición de escritorio para Linux (Qt 6)</translation>
    </message>
    <message>
        <source>Mervane Disclaimer</source>
        <translation>Aviso legal de Mervane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Configuración: %1</translation>
    </message>
    <message>
        <source>Some annuity payments could not be verified.  It is believed that the equations are correct and therefore the figures are assumed to be correct; but you know what happens to assume.</source>
        <translation>Algunos pagos de renta no se han podido verificar.  Se cree que las ecuaciones son correctas y, por tanto, se da por hecho que las cifras también lo son; pero ya sabe lo que pasa cuando se da algo por hecho.</translation>
    </message>
    <message>
        <source>Tarvolin</source>
        <translation>Tarvolin</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Versiones</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>ColorFm</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Test Scheme</source>
        <translation>&amp;Probar colores</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Boring Grey - Default</source>
        <translation>Gris soso - Predeterminada</translation>
    </message>
    <message>
        <source>Button Bkgrnd</source>
        <translation>Fondo de botón</translation>
    </message>
    <message>
        <source>Button Sample</source>
        <translation>Muestra de botón</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Texto de botón</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Dk Gray</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Dk Green</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Dk Red</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>DkGreen - Cyan - Yellow </source>
        <translation>VerdeOsc - Cian - Amarillo</translation>
    </message>
    <message>
        <source>DkRed - Cyan - Yellow </source>
        <translation>RojoOsc - Cian - Amarillo</translation>
    </message>
    <message>
        <source>Everywhere</source>
        <translation>En todas partes</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Hilite Sample</source>
        <translation>Muestra resaltada</translation>
    </message>
    <message>
        <source>Hilite Text</source>
        <translation>Texto resaltado</translation>
    </message>
    <message>
        <source>Invest</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Inversiones</translation>
    </message>
    <message>
        <source>Lable Sample</source>
        <translation>Muestra de etiqueta</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Préstamo</translation>
    </message>
    <message>
        <source>Loan Screen</source>
        <translation>Pantalla de préstamos</translation>
    </message>
    <message>
        <source>Lt Blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Lt Gray</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Lt Green</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Lt Magenta</source>
        <translation>Magenta claro</translation>
    </message>
    <message>
        <source>Lt Orange</source>
        <translation>Naranja claro</translation>
    </message>
    <message>
        <source>Lt Red</source>
        <translation>Rojo claro</translation>
    </message>
    <message>
        <source>Lt Tan</source>
        <translation>Tostado claro</translation>
    </message>
    <message>
        <source>Lt Yellow</source>
        <translation>Amarillo claro</translation>
    </message>
    <message>
        <source>LtBlue - Blue - Red</source>
        <translation>AzulCl - Azul - Rojo</translation>
    </message>
    <message>
        <source>LtGrn - Blue - Red</source>
        <translation>VerdeCl - Azul - Rojo</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>Verde pálido</translation>
    </message>
    <message>
        <source>PlGrn - Blk - Blue</source>
        <translation>VerdePál - Negro - Azul</translation>
    </message>
    <message>
        <source>Preset Color schemes</source>
        <translation>Combinaciones predefinidas</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Tostado</translation>
    </message>
    <message>
        <source>Tan - Blk - Red</source>
        <translation>Tostado - Negro - Rojo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Text will be Black</source>
        <translation>El texto será negro</translation>
    </message>
    <message>
        <source>Textbox Background</source>
        <translation>Fondo de casillas</translation>
    </message>
    <message>
        <source>Textbox Sample</source>
        <translation>Muestra de casilla</translation>
    </message>
    <message>
        <source>Use Window Defaults for all Screens</source>
        <translation>Colores del sistema en todas partes</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Window Application</source>
        <translation>Aplicación (sistema)</translation>
    </message>
    <message>
        <source>Window Button</source>
        <translation>Botón (sistema)</translation>
    </message>
    <message>
        <source>Window Default</source>
        <translation>Predeterminado (sistema)</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>&amp;Copy table to Clipboard</source>
        <translation>&amp;Copiar tabla al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Print table</source>
        <translation>&amp;Imprimir tabla</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Guardar como CSV...</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Balance or fund of each calculation by year</source>
        <translation>Saldo o fondo de cada cálculo por año</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Calculations &amp;compared</source>
        <translation>Cálculos co&amp;mparados</translation>
    </message>
    <message>
        <source>Compare Calculations</source>
        <translation>Comparar cálculos</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Dollars</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>Guardar C&amp;SV...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar P&amp;DF...</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>%1 over %2: %3</source>
        <translation>%1 según %2: %3</translation>
    </message>
    <message>
        <source>%1: %2 points, %3 to %4</source>
        <translation>%1: %2 puntos, de %3 a %4</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n línea</numerusform>
            <numerusform>%n líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>(%1 to %2)</source>
        <translation>(de %1 a %2)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Maximum interest rate %</source>
        <translation>Tipo de interés máximo %</translation>
    </message>
    <message>
        <source>Maximum loan length (years)</source>
        <translation>Plazo máximo del préstamo (años)</translation>
    </message>
    <message>
        <source>Minimum interest rate %</source>
        <translation>Tipo de interés mínimo %</translation>
    </message>
    <message>
        <source>Minimum loan length (years)</source>
        <translation>Plazo mínimo del préstamo (años)</translation>
    </message>
    <message>
        <source>No calculator program is installed. Install one of gnome-calculator, kcalc, galculator, qalculate-gtk or xcalc to use this command.</source>
        <translation>No hay ninguna calculadora instalada. Instale gnome-calculator, kcalc, galculator, qalculate-gtk o xcalc para usar esta orden.</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Printing on &quot;%1&quot; failed.</source>
        <translation>No se pudo imprimir en «%1».</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Imágenes SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Save as &amp;PNG...</source>
        <translation>Guardar como &amp;PNG...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Save as S&amp;VG...</source>
        <translation>Guardar como S&amp;VG...</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>No se pudo escribir el archivo PDF:
%1</translation>
    </message>
    <message>
        <source>The file could not be written:
%1</source>
        <translation>No se pudo escribir el archivo:
%1</translation>
    </message>
    <message>
        <source>The help document (%1) is not installed.</source>
        <translation>El documento de ayuda (%1) no está instalado.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used, so nothing was printed.</source>
        <translation>No se puede usar la impresora «%1», así que no se ha impreso nada.</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started: it is not installed on this computer.</source>
        <translation>No se pudo iniciar el programa «%1»: no está instalado en este equipo.</translation>
    </message>
    <message>
        <source>This computer has no printer, so nothing was printed.

Save the same text as a PDF file instead?</source>
        <translation>Este equipo no tiene impresora, así que no se ha impreso nada.

¿Desea guardar el mismo texto como archivo PDF?</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1 mos</source>
        <translation>%1 meses</translation>
    </message>
    <message>
        <source>%1 with Payoff</source>
        <translation>%1 con cancelación</translation>
    </message>
    <message>
        <source>%1 without Xtra</source>
        <translation>%1 sin pagos extra</translation>
    </message>
    <message>
        <source>%1 yrs</source>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation>&amp;Marcar</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Ver:</translation>
    </message>
    <message>
        <source>, paid off after %1</source>
        <translation>, liquidado en %1</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>C&amp;omparar</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Calculation History</source>
        <translation>Historial de cálculos</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>Borrar &amp;todo</translation>
    </message>
    <message>
        <source>Duration (Mos)</source>
        <translation>Plazo (meses)</translation>
    </message>
    <message>
        <source>Duration (Yrs)</source>
        <translation>Plazo (años)</translation>
    </message>
    <message>
        <source>Exact rate</source>
        <translation>Tipo exacto</translation>
    </message>
    <message>
        <source>Interest Rate %</source>
        <translation>Tipo de interés %</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Inversiones</translation>
    </message>
    <message>
        <source>Last Payment</source>
        <translation>Última cuota</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>Préstamos</translation>
    </message>
    <message>
        <source>Mark or unmark the chosen calculation for Compare</source>
        <translation>Marca o desmarca el cálculo elegido para compararlo</translation>
    </message>
    <message>
        <source>No calculation matches.</source>
        <translation>Ningún cálculo coincide.</translation>
    </message>
    <message>
        <source>No calculations yet: each Calculate is recorded here.</source>
        <translation>Todavía no hay cálculos: cada cálculo se registra aquí.</translation>
    </message>
    <message>
        <source>Paid off after</source>
        <translation>Liquidado en</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>Put the chosen calculation back into the calculator and calculate it again</source>
        <translation>Devuelve el cálculo elegido a la calculadora y lo calcula de nuevo</translation>
    </message>
    <message>
        <source>Remove every calculation from the history</source>
        <translation>Elimina todos los cálculos del historial</translation>
    </message>
    <message>
        <source>Remove the chosen calculation from the history</source>
        <translation>Elimina el cálculo elegido del historial</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Show only the calculations whose line holds this text</source>
        <translation>Muestra solo los cálculos cuya línea contiene este texto</translation>
    </message>
    <message>
        <source>Show the two to four marked calculations side by side</source>
        <translation>Muestra en paralelo los cálculos marcados (de dos a cuatro)</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Intereses totales</translation>
    </message>
    <message>
        <source>Total Payments</source>
        <translation>Total pagado</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Which calculations the list shows</source>
        <translation>Qué cálculos muestra la lista</translation>
    </message>
    <message>
        <source>a month</source>
        <translation>al mes</translation>
    </message>
    <message>
        <source>after installment %1</source>
        <translation>tras la cuota %1</translation>
    </message>
    <message>
        <source>at %1 %</source>
        <translation>al %1 %</translation>
    </message>
    <message>
        <source>every two weeks</source>
        <translation>cada dos semanas</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>a %1</translation>
    </message>
    <message>
        <source>from installment %1</source>
        <translation>desde la cuota %1</translation>
    </message>
    <message>
        <source>paying %1</source>
        <translation>pagando %1</translation>
    </message>
    <message>
        <source>twice a month</source>
        <translation>dos veces al mes</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Predeterminados</translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Close</source>
        <translation>&amp;Guardar &amp;&amp; cerrar</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Capital:</translation>
    </message>
    <message>
        <source>Annuity Amount:</source>
        <translation>Capital de la renta:</translation>
    </message>
    <message>
        <source>Annuity Duration:</source>
        <translation>Plazo de la renta:</translation>
    </message>
    <message>
        <source>Annuity Interest:</source>
        <translation>Interés de la renta:</translation>
    </message>
    <message>
        <source>Build Fund 1x Amount:</source>
        <translation>Inversión única:</translation>
    </message>
    <message>
        <source>Build Fund Duration:</source>
        <translation>Plazo del fondo:</translation>
    </message>
    <message>
        <source>Build Fund Interest:</source>
        <translation>Interés del fondo:</translation>
    </message>
    <message>
        <source>Build Fund Monthly Amount:</source>
        <translation>Aportación mensual:</translation>
    </message>
    <message>
        <source>Build Fund Yearly Amount:</source>
        <translation>Aportación anual:</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Plazo:</translation>
    </message>
    <message>
        <source>Ini File Settings - Tarvolin</source>
        <translation>Configuración del archivo Ini - Tarvolin</translation>
    </message>
    <message>
        <source>Interest:</source>
        <translation>Interés:</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Investment Defaults</source>
        <translation>Valores iniciales de inversión</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Préstamo</translation>
    </message>
    <message>
        <source>Loan Defaults</source>
        <translation>Valores iniciales de préstamo</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Star with:</source>
        <translation>Empezar con:</translation>
    </message>
    <message>
        <source>Start Duration:</source>
        <translation>Plazo inicial en:</translation>
    </message>
    <message>
        <source>Tarvolin Ini File Settings</source>
        <translation>Configuración del archivo Ini de Tarvolin</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Años</translation>
    </message>
</context>
<context>
    <name>LoanSheet</name>
    <message>
        <source>%1 Months</source>
        <translation>%1 meses</translation>
    </message>
    <message>
        <source>%1 Years</source>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>&amp;Amount Down</source>
        <translation>&amp;Importe de entrada</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Copy table  to Clipboard</source>
        <translation>&amp;Copiar tabla al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Down Payment</source>
        <translation>E&amp;ntrada</translation>
    </message>
    <message>
        <source>&amp;Duration</source>
        <translation>Pla&amp;zo</translation>
    </message>
    <message>
        <source>&amp;Instructions...</source>
        <translation>I&amp;nstrucciones...</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Meses</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Percent Down</source>
        <translation>&amp;Porcentaje de entrada</translation>
    </message>
    <message>
        <source>&amp;Print table</source>
        <translation>&amp;Imprimir tabla</translation>
    </message>
    <message>
        <source>&amp;Purchase Amount</source>
        <translation>&amp;Precio de compra</translation>
    </message>
    <message>
        <source>&amp;Return to Calculator</source>
        <translation>&amp;Volver a la calculadora</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Guardar como CSV...</translation>
    </message>
    <message>
        <source>&amp;Show Payments</source>
        <translation>&amp;Mostrar cuotas</translation>
    </message>
    <message>
        <source>&amp;Years</source>
        <translation>&amp;Años</translation>
    </message>
    <message>
        <source>&amp;Years in Loan</source>
        <translation>Plazo en &amp;años</translation>
    </message>
    <message>
        <source>Amount Down</source>
        <translation>Entrada (importe)</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>Clear &amp;Table</source>
        <translation>&amp;Borrar tabla</translation>
    </message>
    <message>
        <source>Interest &amp;Rates</source>
        <translation>Tipos de &amp;interés</translation>
    </message>
    <message>
        <source>Interest Paid</source>
        <translation>Intereses pagados</translation>
    </message>
    <message>
        <source>LoanSheet</source>
        <translation>LoanSheet</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Maximum %</source>
        <translation>Máximo %</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Minimum %</source>
        <translation>Mínimo %</translation>
    </message>
    <message>
        <source>Months in Loan</source>
        <translation>Plazo en meses</translation>
    </message>
    <message>
        <source>Payment
%1</source>
        <translation>Cuota
%1</translation>
    </message>
    <message>
        <source>Percent &amp;Down</source>
        <translation>&amp;Entrada (%)</translation>
    </message>
    <message>
        <source>Percent Down</source>
        <translation>Entrada (%)</translation>
    </message>
    <message>
        <source>Principle Balance</source>
        <translation>Capital pendiente</translation>
    </message>
    <message>
        <source>Principle Paid</source>
        <translation>Capital amortizado</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Show &amp;Amortization</source>
        <translation>&amp;Ver amortización</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Intereses totales</translation>
    </message>
    <message>
        <source>Years in Loan</source>
        <translation>Plazo en años</translation>
    </message>
</context>
<context>
    <name>Mervane</name>
    <message>
        <source>  Clear Ret Fund</source>
        <translation>  Borrar fondo de jubilación</translation>
    </message>
    <message>
        <source>  Ret Fund -&gt; Amt</source>
        <translation>  Fondo de jubilación -&gt; Capital</translation>
    </message>
    <message>
        <source>%1 payments&#xd;
    (%2 yrs)</source>
        <translation>%1 cuotas&#xd;
    (%2 años)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;Definitions</source>
        <translation>&amp;Definiciones</translation>
    </message>
    <message>
        <source>&amp;Duration:  (Mos)</source>
        <translation>&amp;Plazo:  (meses)</translation>
    </message>
    <message>
        <source>&amp;Duration:  (Yrs)</source>
        <translation>&amp;Plazo:  (años)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Historial…</translation>
    </message>
    <message>
        <source>&amp;Ini File Editor</source>
        <translation>&amp;Editor del archivo Ini</translation>
    </message>
    <message>
        <source>&amp;Interest Rate:  %</source>
        <translation>Tipo de &amp;interés:  %</translation>
    </message>
    <message>
        <source>&amp;Investment Options</source>
        <translation>Opciones de &amp;inversión</translation>
    </message>
    <message>
        <source>&amp;Launch</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Loan Options</source>
        <translation>Opciones de &amp;préstamo</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Meses</translation>
    </message>
    <message>
        <source>&amp;PayOff:                </source>
        <translation>Valor fi&amp;nal:</translation>
    </message>
    <message>
        <source>&amp;Payment: </source>
        <translation>Cuo&amp;ta:</translation>
    </message>
    <message>
        <source>&amp;Payment:            </source>
        <translation>Cuo&amp;ta:</translation>
    </message>
    <message>
        <source>&amp;Reset From Ini</source>
        <translation>&amp;Restablecer desde Ini</translation>
    </message>
    <message>
        <source>&amp;Reset Input</source>
        <translation>&amp;Borrar datos</translation>
    </message>
    <message>
        <source>&amp;Solve For:</source>
        <translation>&amp;Obtener:</translation>
    </message>
    <message>
        <source>&amp;Update History</source>
        <translation>&amp;Historial de versiones</translation>
    </message>
    <message>
        <source>&amp;Use exact rate</source>
        <translation>U&amp;sar tipo exacto</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Xtra Payment made with Installment:</source>
        <translation>Pago extra &amp;en la cuota:</translation>
    </message>
    <message>
        <source>&amp;Xtra Payment:</source>
        <translation>Pago e&amp;xtra:</translation>
    </message>
    <message>
        <source>&amp;Xtra Payment:     </source>
        <translation>Pago e&amp;xtra:</translation>
    </message>
    <message>
        <source>&amp;Years</source>
        <translation>&amp;Años</translation>
    </message>
    <message>
        <source>1 Time &amp;Amount:  </source>
        <translation>Inver&amp;sión única (1x):</translation>
    </message>
    <message>
        <source>12 (monthly) Payments</source>
        <translation>12 cuotas (mensuales)</translation>
    </message>
    <message>
        <source>1st Adj Payment:</source>
        <translation>1.er pago ajustado:</translation>
    </message>
    <message>
        <source>1x + Monthly Investment</source>
        <translation>Inversión única + mensual</translation>
    </message>
    <message>
        <source>1x Investment</source>
        <translation>Inversión única</translation>
    </message>
    <message>
        <source>24 (2x a month) Payments</source>
        <translation>24 cuotas (2 al mes)</translation>
    </message>
    <message>
        <source>26 (every 2 wks) Payments</source>
        <translation>26 cuotas (cada 2 semanas)</translation>
    </message>
    <message>
        <source>And Last:</source>
        <translation>Y el último:</translation>
    </message>
    <message>
        <source>And: </source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Annual Payments</source>
        <translation>Pagos anuales</translation>
    </message>
    <message>
        <source>Annual annuity payments</source>
        <translation>Renta con pagos anuales</translation>
    </message>
    <message>
        <source>Annuity &amp;Interest Rate:  %</source>
        <translation>Interés de la &amp;renta:  %</translation>
    </message>
    <message>
        <source>Annuity &amp;Payment:</source>
        <translation>Pago de la ren&amp;ta:</translation>
    </message>
    <message>
        <source>Annuity Payments</source>
        <translation>Rentas</translation>
    </message>
    <message>
        <source>Auto check input for appropriate values</source>
        <translation>Comprobar automáticamente que los datos sean adecuados</translation>
    </message>
    <message>
        <source>Build Fund</source>
        <translation>Crear un fondo</translation>
    </message>
    <message>
        <source>Calculate using Years</source>
        <translation>Calcular en años</translation>
    </message>
    <message>
        <source>Calculation history: restore and compare (Ctrl+H)</source>
        <translation>Historial de cálculos: recuperar y comparar (Ctrl+H)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Close Tarvolin</source>
        <translation>Cerrar Tarvolin</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Combinación</translation>
    </message>
    <message>
        <source>Combination of monthly annuity payments after a monthy contribution</source>
        <translation>Combinación: renta mensual tras un periodo de aportaciones mensuales</translation>
    </message>
    <message>
        <source>Compute in Months</source>
        <translation>Calcular en meses</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Do Investment Calculations</source>
        <translation>Cálculos de inversiones</translation>
    </message>
    <message>
        <source>Do Loan Calculations</source>
        <translation>Cálculos de préstamos</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Plazo</translation>
    </message>
    <message>
        <source>Duration w Monthly Pay.</source>
        <translation>Plazo con pago mensual</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Plazo:</translation>
    </message>
    <message>
        <source>Exact rate for %1: %2 %</source>
        <translation>Tipo exacto para %1: %2 %</translation>
    </message>
    <message>
        <source>Exit app</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Financial Calculator - Investments</source>
        <translation>Calculadora financiera - Inversiones</translation>
    </message>
    <message>
        <source>Financial Calculator - Loans</source>
        <translation>Calculadora financiera - Préstamos</translation>
    </message>
    <message>
        <source>Fund &amp;Chart...</source>
        <translation>&amp;Gráfico del fondo...</translation>
    </message>
    <message>
        <source>Fund balance after specific yearly payments for a duration</source>
        <translation>Saldo del fondo tras pagos anuales fijos durante un plazo</translation>
    </message>
    <message>
        <source>Fund: YrPay-SpecDur</source>
        <translation>Fondo: pago anual-plazo fijo</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>How long can I get a specified monthly annuity payment</source>
        <translation>¿Durante cuánto tiempo puedo cobrar una renta mensual determinada?</translation>
    </message>
    <message>
        <source>How long will I have to pay off the loan?</source>
        <translation>¿Cuánto tardaré en devolver el préstamo?</translation>
    </message>
    <message>
        <source>How much can I borrow?</source>
        <translation>¿Cuánto dinero puedo pedir prestado?</translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make a one time additional payment</source>
        <translation>¿Cuánto se acorta mi préstamo si hago un único pago extra?</translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make additional regular payments</source>
        <translation>¿Cuánto se acorta mi préstamo si hago pagos extra periódicos?</translation>
    </message>
    <message>
        <source>How much will I shorten my loan if I make additional yearly payments</source>
        <translation>¿Cuánto se acorta mi préstamo si hago pagos extra anuales?</translation>
    </message>
    <message>
        <source>I want to pay off my loan; what do I owe?</source>
        <translation>Quiero cancelar mi préstamo: ¿cuánto debo?</translation>
    </message>
    <message>
        <source>Infation Rate Adjustment:  %</source>
        <translation>Ajuste por inflación:  %</translation>
    </message>
    <message>
        <source>Inflation Adjustment</source>
        <translation>Ajuste por inflación</translation>
    </message>
    <message>
        <source>Ini File Editor</source>
        <translation>Editor Ini</translation>
    </message>
    <message>
        <source>InputChk</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Installment &amp;Frequency</source>
        <translation>&amp;Frecuencia de pago</translation>
    </message>
    <message>
        <source>Interest Compounded</source>
        <translation>Capitalización de intereses</translation>
    </message>
    <message>
        <source>Interest Only Payment</source>
        <translation>Cuota de solo intereses</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Tipo de interés</translation>
    </message>
    <message>
        <source>Invest Calc</source>
        <translation>Inversiones</translation>
    </message>
    <message>
        <source>Invested &amp;Amount:</source>
        <translation>C&amp;apital invertido:</translation>
    </message>
    <message>
        <source>Investment Input Checker</source>
        <translation>Comprobar datos de inversión</translation>
    </message>
    <message>
        <source>Investment growth with a one time investment</source>
        <translation>Crecimiento de una inversión única</translation>
    </message>
    <message>
        <source>Investment growth with a yearly contribution</source>
        <translation>Crecimiento con una aportación anual</translation>
    </message>
    <message>
        <source>Investment growth with monthly contributions</source>
        <translation>Crecimiento con aportaciones mensuales</translation>
    </message>
    <message>
        <source>Investment growth with monthly contributions after a one time investment</source>
        <translation>Crecimiento con aportaciones mensuales tras una inversión única</translation>
    </message>
    <message>
        <source>Last Installment made before Payoff:</source>
        <translation>Última cuota pagada antes de cancelar:</translation>
    </message>
    <message>
        <source>Last Payment:</source>
        <translation>Última cuota:</translation>
    </message>
    <message>
        <source>Launch Loan Payment Table</source>
        <translation>Abrir la tabla de cuotas</translation>
    </message>
    <message>
        <source>Level payments of %1 will be worth %2 during last year of Annuity</source>
        <translation>Los pagos constantes de %1 valdrán %2 en el último año de la renta</translation>
    </message>
    <message>
        <source>Loan &amp;Amount: </source>
        <translation>C&amp;apital:</translation>
    </message>
    <message>
        <source>Loan &amp;Amount:     </source>
        <translation>C&amp;apital:</translation>
    </message>
    <message>
        <source>Loan Amount (Principle)</source>
        <translation>Importe del préstamo (capital)</translation>
    </message>
    <message>
        <source>Loan Payment &amp;Table</source>
        <translation>&amp;Tabla de cuotas</translation>
    </message>
    <message>
        <source>Mervane</source>
        <translation>Mervane</translation>
    </message>
    <message>
        <source>Modify startup values</source>
        <translation>Modificar los valores iniciales</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Monthly &amp;Amount:</source>
        <translation>&amp;Aportación mensual:</translation>
    </message>
    <message>
        <source>Monthly Investment</source>
        <translation>Aportación mensual</translation>
    </message>
    <message>
        <source>Monthly Investment -&gt; Monthly Annuity Payment</source>
        <translation>Aportación mensual -&gt; Renta mensual</translation>
    </message>
    <message>
        <source>Monthly Payments</source>
        <translation>Pagos mensuales</translation>
    </message>
    <message>
        <source>Monthly annuity payments</source>
        <translation>Renta con pagos mensuales</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Original &amp;DOS Loan Program</source>
        <translation>Programa de préstamos original para &amp;DOS</translation>
    </message>
    <message>
        <source>PO&gt;IA</source>
        <translation>PO&gt;IA</translation>
    </message>
    <message>
        <source>PayOff -&gt; Amt</source>
        <translation>Final -&gt; Capital</translation>
    </message>
    <message>
        <source>PayOff -&gt; Invest Amt</source>
        <translation>Valor final -&gt; Capital invertido</translation>
    </message>
    <message>
        <source>PayOff -&gt; RF</source>
        <translation>Final -&gt; RF</translation>
    </message>
    <message>
        <source>PayOff -&gt; Ret Fund</source>
        <translation>Valor final -&gt; Fondo de jubilación</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>Payoff Amount</source>
        <translation>Importe de cancelación</translation>
    </message>
    <message>
        <source>Payoff between:  </source>
        <translation>Cancelación entre:</translation>
    </message>
    <message>
        <source>Put the exact rate into the rate box and calculate the payment again</source>
        <translation>Pone el tipo exacto en la casilla del tipo y vuelve a calcular la cuota</translation>
    </message>
    <message>
        <source>RF -&gt; Amt</source>
        <translation>RF -&gt; Capital</translation>
    </message>
    <message>
        <source>Remaining &amp;Fund:</source>
        <translation>&amp;Fondo restante:</translation>
    </message>
    <message>
        <source>Retirement Fund</source>
        <translation>Fondo de jubilación</translation>
    </message>
    <message>
        <source>Set &amp;Colors -&gt; Ini</source>
        <translation>&amp;Colores -&gt; Ini</translation>
    </message>
    <message>
        <source>Start &amp;Xtra Payments which Installment:</source>
        <translation>Pagos extra &amp;desde la cuota:</translation>
    </message>
    <message>
        <source>Start &amp;Xtra Payments with Installment:</source>
        <translation>Pagos extra &amp;desde la cuota:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Total Contributions:</source>
        <translation>Total aportado:</translation>
    </message>
    <message>
        <source>Total Interest:</source>
        <translation>Intereses totales:</translation>
    </message>
    <message>
        <source>Total Payments:</source>
        <translation>Total pagado:</translation>
    </message>
    <message>
        <source>Varies with number of days between Last Installment and Payoff</source>
        <translation>Varía según los días entre la última cuota y la cancelación</translation>
    </message>
    <message>
        <source>Varies with when payoff is made after last installment</source>
        <translation>Varía según cuándo se cancele tras la última cuota</translation>
    </message>
    <message>
        <source>What will an interest payment be?</source>
        <translation>¿Cuánto será la cuota de solo intereses?</translation>
    </message>
    <message>
        <source>What will my payment be?</source>
        <translation>¿Cuánto será mi cuota?</translation>
    </message>
    <message>
        <source>What will the interest rate be?</source>
        <translation>¿Cuál será el tipo de interés?</translation>
    </message>
    <message>
        <source>Windows &amp;Calculator</source>
        <translation>Calculadora de &amp;Windows</translation>
    </message>
    <message>
        <source>Xtra Payment (1x)</source>
        <translation>Pago extra (único)</translation>
    </message>
    <message>
        <source>Xtra Payment (@InstFreq)</source>
        <translation>Pago extra (con cada cuota)</translation>
    </message>
    <message>
        <source>Xtra Payments (yearly)</source>
        <translation>Pagos extra (anuales)</translation>
    </message>
    <message>
        <source>Xtra payment with last installment</source>
        <translation>Pago extra con la última cuota</translation>
    </message>
    <message>
        <source>Yearly &amp;Amount:</source>
        <translation>&amp;Aportación anual:</translation>
    </message>
    <message>
        <source>Yearly Investment</source>
        <translation>Aportación anual</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>and:  </source>
        <translation>y:</translation>
    </message>
    <message>
        <source>with %1 Yearly Payments</source>
        <translation>con %1 pagos anuales</translation>
    </message>
    <message>
        <source>with Xtra Payment</source>
        <translation>con pago extra</translation>
    </message>
    <message>
        <source>with Xtra Payments</source>
        <translation>con pagos extra</translation>
    </message>
    <message>
        <source>with Yearly Payments</source>
        <translation>con pagos anuales</translation>
    </message>
    <message>
        <source>with low Payoff:</source>
        <translation>con cancelación mínima:</translation>
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
        <translation>%1 «%2» se leerá como %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 a month after %2 at once at %3 for %4 years</source>
        <translation>%1 mensuales tras una inversión única de %2, al %3 durante %4 años</translation>
    </message>
    <message>
        <source>%1 a month at %2 for %3 years</source>
        <translation>%1 mensuales al %2 durante %3 años</translation>
    </message>
    <message>
        <source>%1 a month for %2 years, then %3 a month for %4 years</source>
        <translation>%1 al mes durante %2 años y después %3 al mes durante %4 años</translation>
    </message>
    <message>
        <source>%1 a year after %2 at once at %3 for %4 years</source>
        <translation>%1 anuales tras una inversión única de %2, al %3 durante %4 años</translation>
    </message>
    <message>
        <source>%1 a year at %2 for %3 years</source>
        <translation>%1 anuales al %2 durante %3 años</translation>
    </message>
    <message>
        <source>%1 cannot be written (what it holds can still be viewed)</source>
        <translation>no se puede escribir en %1 (lo que contiene se puede seguir consultando)</translation>
    </message>
    <message>
        <source>%1 is in use by another copy of Tarvolin</source>
        <translation>otra copia de Tarvolin está usando %1</translation>
    </message>
    <message>
        <source>%1 less %2 at the start of each year at %3 for %4 years</source>
        <translation>%1 menos %2 a principio de cada año, al %3 durante %4 años</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 meses</translation>
    </message>
    <message>
        <source>%1 of %2 at %3 for %4 years</source>
        <translation>%1 de %2 al %3 durante %4 años</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n calculations</source>
        <translation>
            <numerusform>%1 de %n cálculo</numerusform>
            <numerusform>%1 de %n cálculos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 paying %2 a month at %3 for %4 years</source>
        <translation>%1 con pagos de %2 al mes, al %3, durante %4 años</translation>
    </message>
    <message>
        <source>%1 paying %2 a year at %3 for %4 years</source>
        <translation>%1 con pagos de %2 al año, al %3, durante %4 años</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tarvolin and is left as it is</source>
        <translation>%1 lo escribió una versión más reciente de Tarvolin y se deja como está</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1; %2 marked for Compare (click %3 or press Mark to mark two to four)</source>
        <translation>%1; %2 marcados para comparar (haga clic en %3 o pulse Marcar para marcar de dos a cuatro)</translation>
    </message>
    <message>
        <source>%1; the history is not being kept</source>
        <translation>%1; el historial no se está guardando</translation>
    </message>
    <message numerus="yes">
        <source>%n mos</source>
        <translation>
            <numerusform>%n mes</numerusform>
            <numerusform>%n meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yrs</source>
        <translation>
            <numerusform>%n año</numerusform>
            <numerusform>%n años</numerusform>
        </translation>
    </message>
    <message>
        <source>Additional Annuity Payments:            %1</source>
        <translation>Pagos adicionales de renta:            %1</translation>
    </message>
    <message>
        <source>Amortization Schedule</source>
        <translation>Cuadro de amortización</translation>
    </message>
    <message>
        <source>Amortization Schedule Chart</source>
        <translation>Gráfico del cuadro de amortización</translation>
    </message>
    <message>
        <source>Amortization Schedule: loan of %1 at %2% for %3, payment %4</source>
        <translation>Cuadro de amortización: préstamo de %1 al %2 % a %3, cuota de %4</translation>
    </message>
    <message>
        <source>Amortization schedule.csv</source>
        <translation>Cuadro de amortización.csv</translation>
    </message>
    <message>
        <source>Amortization schedule.pdf</source>
        <translation>Cuadro de amortización.pdf</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Amount financed</source>
        <translation>Importe financiado</translation>
    </message>
    <message>
        <source>Amount too large - at most %1 can be computed</source>
        <translation>Importe demasiado grande: se puede calcular como máximo %1</translation>
    </message>
    <message>
        <source>An amortization schedule can show at most %1 months.</source>
        <translation>Un cuadro de amortización puede mostrar como máximo %1 meses.</translation>
    </message>
    <message>
        <source>Annual annuity</source>
        <translation>Renta anual</translation>
    </message>
    <message>
        <source>Annuity &amp;Duration: (yrs)</source>
        <translation>&amp;Duración de la renta: (años)</translation>
    </message>
    <message>
        <source>Annuity Amount</source>
        <translation>Capital de la renta</translation>
    </message>
    <message>
        <source>Annuity Duration</source>
        <translation>Plazo de la renta</translation>
    </message>
    <message>
        <source>Annuity Duration too long - at most %1 monthly payments can be computed</source>
        <translation>Duración de la renta demasiado larga: se pueden calcular como máximo %1 pagos mensuales</translation>
    </message>
    <message>
        <source>Annuity Duration too short - the annuity must last at least one month</source>
        <translation>Duración de la renta demasiado corta: la renta debe durar al menos un mes</translation>
    </message>
    <message>
        <source>Annuity duration</source>
        <translation>Duración de la renta</translation>
    </message>
    <message>
        <source>At most %1 calculations can be compared; unmark one before marking another.</source>
        <translation>Se pueden comparar como máximo %1 cálculos; desmarque uno antes de marcar otro.</translation>
    </message>
    <message>
        <source>Background and Text are the same color</source>
        <translation>El fondo y el texto tienen el mismo color</translation>
    </message>
    <message>
        <source>Balance and fund over time</source>
        <translation>Saldo y fondo en el tiempo</translation>
    </message>
    <message>
        <source>Build Fund 1x Amount</source>
        <translation>Inversión única</translation>
    </message>
    <message>
        <source>Build Fund Duration</source>
        <translation>Plazo del fondo</translation>
    </message>
    <message>
        <source>Build Fund Monthly Amount</source>
        <translation>Aportación mensual</translation>
    </message>
    <message>
        <source>Build Fund Yearly Amount</source>
        <translation>Aportación anual</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Compared calculations.csv</source>
        <translation>Cálculos comparados.csv</translation>
    </message>
    <message>
        <source>Compared calculations.pdf</source>
        <translation>Cálculos comparados.pdf</translation>
    </message>
    <message>
        <source>Comparison of %1 calculations</source>
        <translation>Comparación de %1 cálculos</translation>
    </message>
    <message>
        <source>Contributions</source>
        <translation>Aportaciones</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n calculations from the history? This cannot be undone.</source>
        <translation>
            <numerusform>¿Desea eliminar %n cálculo del historial? Esta acción no se puede deshacer.</numerusform>
            <numerusform>¿Desea eliminar los %n cálculos del historial? Esta acción no se puede deshacer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to save the values as typed?</source>
        <translation>¿Desea guardar los valores tal como se han escrito?</translation>
    </message>
    <message>
        <source>Down payment</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Down payment amount cannot exceed purchase amount.</source>
        <translation>El importe de la entrada no puede superar el precio de compra.</translation>
    </message>
    <message>
        <source>Down payment amount must be zero or greater.</source>
        <translation>El importe de la entrada debe ser igual o mayor que cero.</translation>
    </message>
    <message>
        <source>Down payment percentage cannot exceed %1 percent.</source>
        <translation>El porcentaje de entrada no puede superar el %1 por ciento.</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 annuity payments can be computed</source>
        <translation>Plazo demasiado largo: se pueden calcular como máximo %1 pagos de renta</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 compounding periods can be computed (89 years compounded daily)</source>
        <translation>Plazo demasiado largo: se pueden calcular como máximo %1 periodos de capitalización (89 años con capitalización diaria)</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 installments can be computed</source>
        <translation>Plazo demasiado largo: se pueden calcular como máximo %1 cuotas</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 yearly payments can be computed</source>
        <translation>Plazo demasiado largo: se pueden calcular como máximo %1 pagos anuales</translation>
    </message>
    <message>
        <source>Duration too long - at most %1 years can be adjusted for inflation</source>
        <translation>Plazo demasiado largo: se pueden ajustar a la inflación como máximo %1 años</translation>
    </message>
    <message>
        <source>Duration too short - the annuity must make at least one payment</source>
        <translation>Plazo demasiado corto: la renta debe hacer al menos un pago</translation>
    </message>
    <message>
        <source>Duration too short - the loan must last at least one installment</source>
        <translation>Plazo demasiado corto: el préstamo debe durar al menos una cuota</translation>
    </message>
    <message>
        <source>ERROR: Annuity Payment is too large. Duration result is expected to be less than 3mos.</source>
        <translation>ERROR: el pago de la renta es demasiado alto. El plazo resultante sería inferior a 3 meses.</translation>
    </message>
    <message>
        <source>ERROR: Annuity Payment is too small. Duration result is expected to be more than 75yrs.</source>
        <translation>ERROR: el pago de la renta es demasiado bajo. El plazo resultante superaría los 75 años.</translation>
    </message>
    <message>
        <source>ERROR: Duration is less than 3 mos; decrease Annuity Payment.</source>
        <translation>ERROR: el plazo es inferior a 3 meses; reduzca el pago de la renta.</translation>
    </message>
    <message>
        <source>Enter the purchase amount, down payment, length of loan, and interest rates. Click the Show Payments button to display monthly payments in the grid on the right.
&#xd;
&#xd;Select a monthly payment and click the Show Amortization button to display an amortization schedule for the selected interest rate and length of loan in the grid.
&#xd;
&#xd;Select cells in the grid and choose Copy from the Options menu to copy data onto the Clipboard.</source>
        <translation>Escriba el precio de compra, la entrada, el plazo del préstamo y los tipos de interés. Pulse el botón Mostrar cuotas para ver las cuotas mensuales en la tabla de la derecha.
&#xd;
&#xd;Elija una cuota mensual y pulse el botón Mostrar amortización para ver en la tabla el cuadro de amortización del tipo de interés y el plazo elegidos.
&#xd;
&#xd;Seleccione celdas de la tabla y elija Copiar en el menú Opciones para copiar los datos al portapapeles.</translation>
    </message>
    <message>
        <source>Exceeded High Interest of 25%</source>
        <translation>Se ha superado el interés máximo del 25 %</translation>
    </message>
    <message>
        <source>Extra each installment</source>
        <translation>Pago extra con cada cuota</translation>
    </message>
    <message>
        <source>Extra yearly payments</source>
        <translation>Pagos extra anuales</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Fund after yearly withdrawals</source>
        <translation>Fondo tras retiradas anuales</translation>
    </message>
    <message>
        <source>Fund balance</source>
        <translation>Saldo del fondo</translation>
    </message>
    <message>
        <source>Fund over time</source>
        <translation>Fondo en el tiempo</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Crecimiento</translation>
    </message>
    <message>
        <source>Inappropriate Input - the result is too large to compute</source>
        <translation>Dato no adecuado: el resultado es demasiado grande para calcularlo</translation>
    </message>
    <message>
        <source>Input too long - a box holds at most %1 characters</source>
        <translation>Dato demasiado largo: una casilla admite como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>Tipo de interés</translation>
    </message>
    <message>
        <source>Interest-only payment</source>
        <translation>Cuota solo de intereses</translation>
    </message>
    <message>
        <source>Invested amount seems small - do you want to use the ini file value?</source>
        <translation>El capital invertido parece pequeño. ¿Desea usar el valor del archivo Ini?</translation>
    </message>
    <message>
        <source>Invested amount seems small - do you want to use the previously calculated payment amount?</source>
        <translation>El capital invertido parece pequeño. ¿Desea usar el importe del pago calculado anteriormente?</translation>
    </message>
    <message>
        <source>Investment Chart</source>
        <translation>Gráfico de la inversión</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Plazo</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Loan Duration</source>
        <translation>Plazo del préstamo</translation>
    </message>
    <message>
        <source>Loan Payment Table Chart</source>
        <translation>Gráfico de la tabla de cuotas</translation>
    </message>
    <message>
        <source>Loan Payment Table: monthly payments</source>
        <translation>Tabla de cuotas: cuotas mensuales</translation>
    </message>
    <message>
        <source>Loan amount</source>
        <translation>Importe del préstamo</translation>
    </message>
    <message>
        <source>Loan balance over time</source>
        <translation>Saldo del préstamo en el tiempo</translation>
    </message>
    <message>
        <source>Loan duration</source>
        <translation>Plazo del préstamo</translation>
    </message>
    <message>
        <source>Loan is paid off before that installment - no Xtra payment made</source>
        <translation>El préstamo queda liquidado antes de esa cuota: no se hace ningún pago extra</translation>
    </message>
    <message>
        <source>Loan length</source>
        <translation>Plazo del préstamo</translation>
    </message>
    <message>
        <source>Loan of</source>
        <translation>Préstamo de</translation>
    </message>
    <message>
        <source>Loan payment</source>
        <translation>Cuota del préstamo</translation>
    </message>
    <message>
        <source>Loan payment table.csv</source>
        <translation>Tabla de cuotas.csv</translation>
    </message>
    <message>
        <source>Loan payment table.pdf</source>
        <translation>Tabla de cuotas.pdf</translation>
    </message>
    <message>
        <source>Loan payoff</source>
        <translation>Cancelación del préstamo</translation>
    </message>
    <message>
        <source>LoanSheet Error</source>
        <translation>Error de LoanSheet</translation>
    </message>
    <message>
        <source>LoanSheet Instructions</source>
        <translation>Instrucciones de LoanSheet</translation>
    </message>
    <message>
        <source>Mark two to four calculations to compare: click in the %1 column of their lines, or choose a line and press Mark.</source>
        <translation>Marque de dos a cuatro cálculos para comparar: haga clic en la columna %1 de sus líneas, o elija una línea y pulse Marcar.</translation>
    </message>
    <message>
        <source>Maximum interest rate must be greater than or equal to the minimum interest rate.</source>
        <translation>El tipo de interés máximo debe ser mayor o igual que el tipo de interés mínimo.</translation>
    </message>
    <message>
        <source>Maximum interest rate must be greater than the minimum interest rate.</source>
        <translation>El tipo de interés máximo debe ser mayor que el mínimo.</translation>
    </message>
    <message>
        <source>Maximum length of loan must be greater than the minimum length of loan.</source>
        <translation>El plazo máximo del préstamo debe ser mayor que el plazo mínimo.</translation>
    </message>
    <message>
        <source>Minimum interest rate must be less than or equal to the maximum interest rate.</source>
        <translation>El tipo de interés mínimo debe ser menor o igual que el tipo de interés máximo.</translation>
    </message>
    <message>
        <source>Missing or Inappropriate Input (possibly a negitive number or 0)</source>
        <translation>Falta un dato o no es adecuado (posiblemente un número negativo o 0)</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Monthly Investment seems too large - do you want to use the ini file value?</source>
        <translation>La aportación mensual parece demasiado alta. ¿Desea usar el valor del archivo Ini?</translation>
    </message>
    <message>
        <source>Monthly annuity</source>
        <translation>Renta mensual</translation>
    </message>
    <message>
        <source>Monthly investment</source>
        <translation>Aportación mensual</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Cuota mensual</translation>
    </message>
    <message>
        <source>Monthly payment on %1 by loan length, one line per rate</source>
        <translation>Cuota mensual de %1 según el plazo, una línea por tipo de interés</translation>
    </message>
    <message>
        <source>No Xtra payment made - nothing saved; paid off %1</source>
        <translation>No se ha hecho ningún pago extra: no hay ahorro; liquidado el %1</translation>
    </message>
    <message>
        <source>No balance or fund to chart</source>
        <translation>No hay saldo ni fondo que representar</translation>
    </message>
    <message>
        <source>One extra payment</source>
        <translation>Pago extra único</translation>
    </message>
    <message>
        <source>One time investment seems small - do you want to use the ini file value?</source>
        <translation>La inversión única parece pequeña. ¿Desea usar el valor del archivo Ini?</translation>
    </message>
    <message>
        <source>One-time + monthly investment</source>
        <translation>Inversión única + aportación mensual</translation>
    </message>
    <message>
        <source>One-time investment</source>
        <translation>Inversión única</translation>
    </message>
    <message>
        <source>Paid in the year</source>
        <translation>Pagado en el año</translation>
    </message>
    <message>
        <source>Paid out</source>
        <translation>Retiradas</translation>
    </message>
    <message>
        <source>Payment too small - it would show as %1; increase the amount or shorten the duration</source>
        <translation>Cuota demasiado pequeña: se mostraría como %1; aumente el importe o acorte el plazo</translation>
    </message>
    <message>
        <source>Please increase the payment amount. [75 yrs will be used]</source>
        <translation>Aumente el importe del pago. [Se usarán 75 años]</translation>
    </message>
    <message>
        <source>Please reduce the payment amount. [1 yr will be used]</source>
        <translation>Reduzca el importe del pago. [Se usará 1 año]</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Principal and interest paid each year, and the interest paid in all - %1</source>
        <translation>Capital e intereses pagados cada año, e intereses pagados en total - %1</translation>
    </message>
    <message>
        <source>Principal balance</source>
        <translation>Capital pendiente</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Precio de compra</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tipo de interés</translation>
    </message>
    <message>
        <source>Retirement Fund seems too large for monthly payment - re-enter if appropriate</source>
        <translation>El fondo de jubilación parece demasiado grande para un pago mensual: vuelva a introducirlo si procede</translation>
    </message>
    <message numerus="yes">
        <source>Saves %n installments and %1 interest; paid off %2</source>
        <translation>
            <numerusform>Ahorra %n cuota y %1 de intereses; liquidado el %2</numerusform>
            <numerusform>Ahorra %n cuotas y %1 de intereses; liquidado el %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Saving, then annuity</source>
        <translation>Ahorro y después renta</translation>
    </message>
    <message>
        <source>Something went wrong in %1: %2. Your inputs are as they were before.</source>
        <translation>Algo ha fallado en %1: %2. Sus datos siguen como estaban.</translation>
    </message>
    <message>
        <source>Suggested payment not high enough for this loan amount</source>
        <translation>La cuota indicada no basta para este capital</translation>
    </message>
    <message>
        <source>Suggested payment too low - even at 0% interest it does not repay this loan amount</source>
        <translation>Cuota propuesta demasiado baja: ni siquiera al 0 % de interés amortiza este capital</translation>
    </message>
    <message>
        <source>Table schedule</source>
        <translation>Cuadro de amortización</translation>
    </message>
    <message>
        <source>The calculation history %1 was damaged. It was kept as %2 and a new history begins.</source>
        <translation>El historial de cálculos %1 estaba dañado. Se ha guardado como %2 y empieza un historial nuevo.</translation>
    </message>
    <message>
        <source>The calculation history is not being kept: %1. Your calculations go on as before; they are not recorded until Tarvolin is started again.</source>
        <translation>El historial de cálculos no se está guardando: %1. Puede seguir calculando como antes; los cálculos no se registran hasta que vuelva a iniciar Tarvolin.</translation>
    </message>
    <message>
        <source>The fund runs out in year %1: it pays %2 of that year's %3.</source>
        <translation>El fondo se agota en el año %1: paga %2 de los %3 de ese año.</translation>
    </message>
    <message>
        <source>The last installment of %1 is a balloon payment: the level payment does not repay the loan within its term.</source>
        <translation>La última cuota, de %1, es una cuota final residual: la cuota constante no amortiza el préstamo dentro de su plazo.</translation>
    </message>
    <message>
        <source>The loan is paid off before that installment</source>
        <translation>El préstamo queda liquidado antes de esa cuota</translation>
    </message>
    <message>
        <source>The loan is repaid with installment %1, before the end of its term; the last installment is %2.</source>
        <translation>El préstamo queda amortizado con la cuota %1, antes del final de su plazo; la última cuota es de %2.</translation>
    </message>
    <message>
        <source>The marked calculations can no longer be read from the history.</source>
        <translation>Los cálculos marcados ya no se pueden leer del historial.</translation>
    </message>
    <message>
        <source>The maximum length of loan cannot exceed %1 months.</source>
        <translation>El plazo máximo del préstamo no puede superar los %1 meses.</translation>
    </message>
    <message>
        <source>The maximum length of loan cannot exceed %1 years (%2 months).</source>
        <translation>El plazo máximo del préstamo no puede superar los %1 años (%2 meses).</translation>
    </message>
    <message>
        <source>The maximum length of loan cannot exceed %1 years.</source>
        <translation>El plazo máximo del préstamo no puede superar los %1 años.</translation>
    </message>
    <message>
        <source>The maximum length of loan must be at least one month or year.</source>
        <translation>El plazo máximo del préstamo debe ser de al menos un mes o un año.</translation>
    </message>
    <message>
        <source>The minimum length of loan must be one month or year.</source>
        <translation>El plazo mínimo del préstamo debe ser de un mes o un año.</translation>
    </message>
    <message>
        <source>The purchase amount cannot exceed %1.</source>
        <translation>El precio de compra no puede superar %1.</translation>
    </message>
    <message>
        <source>The settings could not be read - %1: %2. Tarvolin uses its default settings and leaves the file as it is.</source>
        <translation>No se pudo leer la configuración - %1: %2. Tarvolin usa su configuración predeterminada y deja el archivo como está.</translation>
    </message>
    <message>
        <source>The settings could not be saved - %1: %2. Nothing was changed.</source>
        <translation>No se pudo guardar la configuración - %1: %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The table can show at most %1 interest rates.</source>
        <translation>La tabla puede mostrar como máximo %1 tipos de interés.</translation>
    </message>
    <message>
        <source>The table can show at most %1 year columns or %2 month columns.</source>
        <translation>La tabla puede mostrar como máximo %1 columnas de años o %2 columnas de meses.</translation>
    </message>
    <message>
        <source>The table cannot be computed from these values.</source>
        <translation>La tabla no se puede calcular con estos valores.</translation>
    </message>
    <message>
        <source>This calculation can no longer be read from the history.</source>
        <translation>Este cálculo ya no se puede leer del historial.</translation>
    </message>
    <message>
        <source>This calculation was recorded by another version of Tarvolin and cannot be restored.</source>
        <translation>Este cálculo lo registró otra versión de Tarvolin y no se puede recuperar.</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Intereses totales</translation>
    </message>
    <message>
        <source>WARNING: Infation rate seems a little high.</source>
        <translation>ADVERTENCIA: la tasa de inflación parece algo alta.</translation>
    </message>
    <message>
        <source>Withdrawn</source>
        <translation>Total retirado</translation>
    </message>
    <message>
        <source>Xtra payment exceeds the balance - only the balance is paid</source>
        <translation>El pago extra supera el capital pendiente: solo se paga el capital pendiente</translation>
    </message>
    <message>
        <source>Xtra payment with last installment</source>
        <translation>Pago extra con la última cuota</translation>
    </message>
    <message>
        <source>Year of the loan</source>
        <translation>Año del préstamo</translation>
    </message>
    <message>
        <source>Yearly Payments (beginning of year): %1</source>
        <translation>Pagos anuales (a principio de año): %1</translation>
    </message>
    <message>
        <source>Yearly investment</source>
        <translation>Aportación anual</translation>
    </message>
    <message>
        <source>Yearly investment seems inappropriate - do you want to use the ini file value?</source>
        <translation>La aportación anual no parece adecuada. ¿Desea usar el valor del archivo Ini?</translation>
    </message>
    <message>
        <source>Yearly payment seems inappropriate - do you want to use the ini file value?</source>
        <translation>El pago anual no parece adecuado. ¿Desea usar el valor del archivo Ini?</translation>
    </message>
    <message>
        <source>Years from the start</source>
        <translation>Años desde el inicio</translation>
    </message>
    <message>
        <source>You must enter a maximum length of loan.</source>
        <translation>Debe introducir un plazo máximo del préstamo.</translation>
    </message>
    <message>
        <source>You must enter a valid purchase amount.</source>
        <translation>Debe introducir un precio de compra válido.</translation>
    </message>
    <message>
        <source>You must specify a maximum interest rate greater than zero.</source>
        <translation>Debe indicar un tipo de interés máximo mayor que cero.</translation>
    </message>
    <message>
        <source>a temporary file cannot be created beside it</source>
        <translation>no se puede crear un archivo temporal junto a él</translation>
    </message>
    <message>
        <source>closing the new file failed</source>
        <translation>no se pudo cerrar el archivo nuevo</translation>
    </message>
    <message>
        <source>flushing it to the disk failed</source>
        <translation>no se pudo volcar al disco</translation>
    </message>
    <message>
        <source>input Error</source>
        <translation>Error en los datos</translation>
    </message>
    <message>
        <source>it cannot be locked</source>
        <translation>no se puede bloquear</translation>
    </message>
    <message>
        <source>it cannot be reached</source>
        <translation>no se puede acceder a él</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>no se pudo escribir</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is a symbolic link that belongs to another user</source>
        <translation>es un enlace simbólico que pertenece a otro usuario</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source>it is too large for a settings file (%1 bytes; at most %2)</source>
        <translation>es demasiado grande para un archivo de configuración (%1 bytes; como máximo %2)</translation>
    </message>
    <message>
        <source>its folder %1 cannot be created</source>
        <translation>no se puede crear su carpeta %1</translation>
    </message>
    <message>
        <source>its folder %1 cannot be reached</source>
        <translation>no se puede acceder a su carpeta %1</translation>
    </message>
    <message>
        <source>its owner cannot be kept</source>
        <translation>no se puede conservar su propietario</translation>
    </message>
    <message>
        <source>its permissions cannot be kept</source>
        <translation>no se pueden conservar sus permisos</translation>
    </message>
    <message>
        <source>months</source>
        <translation>meses</translation>
    </message>
    <message>
        <source>reading it failed after %1 bytes</source>
        <translation>la lectura falló tras %1 bytes</translation>
    </message>
    <message>
        <source>the disk holding %1 is full (what it holds is kept)</source>
        <translation>el disco que contiene %1 está lleno (lo que contiene se conserva)</translation>
    </message>
    <message>
        <source>the file %1 cannot be created or opened</source>
        <translation>no se puede crear ni abrir el archivo %1</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened</source>
        <translation>no se puede abrir el archivo de bloqueo %1</translation>
    </message>
    <message>
        <source>the lock file %1 is not a regular file</source>
        <translation>el archivo de bloqueo %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>the new file cannot take the old one's place</source>
        <translation>el archivo nuevo no puede sustituir al antiguo</translation>
    </message>
    <message>
        <source>the new text would be too large for a settings file (%1 bytes; at most %2)</source>
        <translation>el texto nuevo sería demasiado grande para un archivo de configuración (%1 bytes; como máximo %2)</translation>
    </message>
    <message>
        <source>the save was stopped</source>
        <translation>se interrumpió el guardado</translation>
    </message>
    <message>
        <source>writing failed</source>
        <translation>falló la escritura</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>★ marks the best result of a row (the least paid or the soonest, the largest fund). (+…) and (−…) are differences from calculation 1; — marks a value a calculation does not have.</source>
        <translation>★ indica el mejor resultado de cada fila (lo menos pagado o lo más pronto, el mayor fondo). (+…) y (−…) son diferencias respecto al cálculo 1; — indica un valor que un cálculo no tiene.</translation>
    </message>
</context>
<context>
    <name>UpdateHist</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>1987 - Versión original para DOS&#xd;
1996 - Primera versión para Windows (16 bits)&#xd;
&#xd;
 Ver&#x9; Fecha&#x9;Historial de actualizaciones&#xd;
6.00.00  02/13/02 - Adaptada a la nueva versión de las herramientas de desarrollo; usa el cuadro de edición con máscara y la cuadrícula flexible&#xd;
6.00.01  03/14/02 - Corregida la inicialización de los cuadros de edición&#xd;
6.00.02  03/21/02 - Corregida una falta de ortografía; colores reorganizados&#xd;
6.01.00  03/25/02 - Ahora se pueden fijar los colores con combinaciones predefinidas o con los valores predeterminados de Windows&#xd;
6.01.01  03/26/02 - Ajustados el orden de tabulación y el foco&#xd;
6.01.02  03/27/02 - Añadido el color de los botones; no se pudo hacer el del texto de los botones&#xd;
&#x9;&#x9;Añadido el predeterminado de Windows a las listas de colores de fondo&#xd;
6.01.03  03/27/02 - Ajustados problemas de formato y opciones de menú&#xd;
6.01.04  03/28/02 - Cambiados los mensajes de cancelación y de renta&#xd;
6.02.00  04/07/02 - Corregida la tabla de cuotas: copiar la tabla; añadida la impresión en la impresora predeterminada&#xd;
&#x9;&#x9;Añadida una barra de herramientas personalizable con MS Toolbar e ImageList&#xd;
6.03.00  05/07/02 - Nuevo 'Pago de la renta': fondo restante con pagos anuales durante un plazo fijo&#xd;
6.03.01  05/08/02 - Añadido el botón 'InputChk'; depurada la comprobación de datos&#xd;
6.03.04  05/11/02 - Cambiado el orden de los botones; recuperado el botón PO-&gt;Amt; código depurado&#xd;
6.03.05  05/17/02 - Añadida información sobre herramientas a los botones de opción&#xd;
6.03.06  05/21/02 - Recuperada la comprobación real de los datos de inversiones cuando la 'comprobación de datos' está activada&#xd;
&#x9;&#x9;Corregida la 'Combinación' de inversión para que calcule bien el pago mensual&#xd;
6.03.07  05/25/02 - Añadido el botón Cerrar al diálogo de la tabla y restaurada la 'X' (cerrar) del cuadro de control</translation>
    </message>
    <message>
        <source>Mervane Update History</source>
        <translation>Historial de actualizaciones de Mervane</translation>
    </message>
</context>
</TS>
