<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>BankFile</name>
    <message>
        <source>«%1»</source>
        <extracomment>a piece of the file, quoted</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>no es el archivo de tipos del BCE</source>
        <translation>no és el fitxer de tipus del BCE</translation>
    </message>
    <message>
        <source>el %1: %2</source>
        <extracomment>%1 a day of the file (&quot;3 de enero de 2000&quot;), %2 what is wrong with it</extracomment>
        <translation>el dia %1: %2</translation>
    </message>
    <message>
        <source>fecha futura: %1</source>
        <translation>data futura: %1</translation>
    </message>
    <message>
        <source>solo trae %1 divisas</source>
        <translation>només porta %1 divises</translation>
    </message>
    <message>
        <source>día repetido</source>
        <translation>dia repetit</translation>
    </message>
    <message>
        <source>días fuera de orden</source>
        <translation>dies desordenats</translation>
    </message>
    <message>
        <source>trae más de un día</source>
        <translation>porta més d&apos;un dia</translation>
    </message>
    <message>
        <source>trae más de %1 días</source>
        <translation>porta més de %1 dies</translation>
    </message>
    <message>
        <source>fecha no válida: %1</source>
        <translation>data no vàlida: %1</translation>
    </message>
    <message>
        <source>código de divisa no válido: %1</source>
        <translation>codi de divisa no vàlid: %1</translation>
    </message>
    <message>
        <source>tipo no válido para %1: %2</source>
        <translation>tipus no vàlid per a %1: %2</translation>
    </message>
    <message>
        <source>tipo fuera de lo posible para %1: %2</source>
        <translation>tipus impossible per a %1: %2</translation>
    </message>
    <message>
        <source>divisa repetida: %1</source>
        <translation>divisa repetida: %1</translation>
    </message>
    <message>
        <source>trae más de %1 divisas</source>
        <translation>porta més de %1 divises</translation>
    </message>
    <message>
        <source>XML mal formado (línea %1)</source>
        <translation>XML mal format (línia %1)</translation>
    </message>
    <message>
        <source>el archivo no trae fecha</source>
        <translation>el fitxer no porta data</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>de enero</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>de gener</translation>
    </message>
    <message>
        <source>de febrero</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>de febrer</translation>
    </message>
    <message>
        <source>de marzo</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>de març</translation>
    </message>
    <message>
        <source>de abril</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>d&apos;abril</translation>
    </message>
    <message>
        <source>de mayo</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>de maig</translation>
    </message>
    <message>
        <source>de junio</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>de juny</translation>
    </message>
    <message>
        <source>de julio</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>de juliol</translation>
    </message>
    <message>
        <source>de agosto</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>d&apos;agost</translation>
    </message>
    <message>
        <source>de septiembre</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>de setembre</translation>
    </message>
    <message>
        <source>de octubre</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>d&apos;octubre</translation>
    </message>
    <message>
        <source>de noviembre</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>de novembre</translation>
    </message>
    <message>
        <source>de diciembre</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>de desembre</translation>
    </message>
    <message>
        <source>lunes</source>
        <comment>a day of the week before its date</comment>
        <translation>dilluns</translation>
    </message>
    <message>
        <source>martes</source>
        <comment>a day of the week before its date</comment>
        <translation>dimarts</translation>
    </message>
    <message>
        <source>miércoles</source>
        <comment>a day of the week before its date</comment>
        <translation>dimecres</translation>
    </message>
    <message>
        <source>jueves</source>
        <comment>a day of the week before its date</comment>
        <translation>dijous</translation>
    </message>
    <message>
        <source>viernes</source>
        <comment>a day of the week before its date</comment>
        <translation>divendres</translation>
    </message>
    <message>
        <source>sábado</source>
        <comment>a day of the week before its date</comment>
        <translation>dissabte</translation>
    </message>
    <message>
        <source>domingo</source>
        <comment>a day of the week before its date</comment>
        <translation>diumenge</translation>
    </message>
    <message>
        <source>1</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>16</translation>
    </message>
    <message>
        <source>17</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>17</translation>
    </message>
    <message>
        <source>18</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>18</translation>
    </message>
    <message>
        <source>19</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>19</translation>
    </message>
    <message>
        <source>20</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>20</translation>
    </message>
    <message>
        <source>21</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>21</translation>
    </message>
    <message>
        <source>22</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>22</translation>
    </message>
    <message>
        <source>23</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>23</translation>
    </message>
    <message>
        <source>24</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>24</translation>
    </message>
    <message>
        <source>25</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>25</translation>
    </message>
    <message>
        <source>26</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>26</translation>
    </message>
    <message>
        <source>27</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>27</translation>
    </message>
    <message>
        <source>28</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>28</translation>
    </message>
    <message>
        <source>29</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>29</translation>
    </message>
    <message>
        <source>30</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>30</translation>
    </message>
    <message>
        <source>31</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>31</translation>
    </message>
    <message>
        <source>%1 %2 de %3</source>
        <comment>a date: 4 de diciembre de 2026</comment>
        <extracomment>%1 the day&apos;s number, %2 the month as written after it (&quot;de diciembre&quot;), %3 the year</extracomment>
        <translation>%1 %2 de %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a date with its weekday: viernes 30 de diciembre de 2022</comment>
        <extracomment>%1 the day of the week, %2 the date (&quot;30 de diciembre de 2022&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a day and its month: 1 de enero</comment>
        <extracomment>%1 the day&apos;s number, %2 the month as written after it (&quot;de enero&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Currencies</name>
    <message>
        <source>euro</source>
        <translation>euro</translation>
    </message>
    <message>
        <source>dólar australiano</source>
        <translation>dòlar australià</translation>
    </message>
    <message>
        <source>real brasileño</source>
        <translation>real brasiler</translation>
    </message>
    <message>
        <source>dólar canadiense</source>
        <translation>dòlar canadenc</translation>
    </message>
    <message>
        <source>franco suizo</source>
        <translation>franc suís</translation>
    </message>
    <message>
        <source>yuan chino</source>
        <translation>iuan xinès</translation>
    </message>
    <message>
        <source>renminbi|yuan</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>renminbi|iuan|yuan</translation>
    </message>
    <message>
        <source>corona checa</source>
        <translation>corona txeca</translation>
    </message>
    <message>
        <source>corona danesa</source>
        <translation>corona danesa</translation>
    </message>
    <message>
        <source>libra esterlina</source>
        <translation>lliura esterlina</translation>
    </message>
    <message>
        <source>£|esterlina</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>£|esterlina</translation>
    </message>
    <message>
        <source>dólar de Hong Kong</source>
        <translation>dòlar de Hong Kong</translation>
    </message>
    <message>
        <source>forinto húngaro</source>
        <translation>fòrint hongarès</translation>
    </message>
    <message>
        <source>forint|Ft</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>fòrint|forint|Ft</translation>
    </message>
    <message>
        <source>rupia indonesia</source>
        <translation>rupia indonèsia</translation>
    </message>
    <message>
        <source>nuevo séquel israelí</source>
        <translation>nou xéquel israelià</translation>
    </message>
    <message>
        <source>séquel|shekel|₪</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>xéquel|shekel|₪</translation>
    </message>
    <message>
        <source>rupia india</source>
        <translation>rupia índia</translation>
    </message>
    <message>
        <source>corona islandesa</source>
        <translation>corona islandesa</translation>
    </message>
    <message>
        <source>yen japonés</source>
        <translation>ien japonès</translation>
    </message>
    <message>
        <source>¥|yen</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>¥|ien|yen</translation>
    </message>
    <message>
        <source>won surcoreano</source>
        <translation>won sud-coreà</translation>
    </message>
    <message>
        <source>₩|won</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>₩|won</translation>
    </message>
    <message>
        <source>peso mexicano</source>
        <translation>peso mexicà</translation>
    </message>
    <message>
        <source>ringit malasio</source>
        <translation>ringgit malaisi</translation>
    </message>
    <message>
        <source>ringgit|RM</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>ringgit|RM</translation>
    </message>
    <message>
        <source>corona noruega</source>
        <translation>corona noruega</translation>
    </message>
    <message>
        <source>dólar neozelandés</source>
        <translation>dòlar neozelandès</translation>
    </message>
    <message>
        <source>peso filipino</source>
        <translation>peso filipí</translation>
    </message>
    <message>
        <source>esloti polaco</source>
        <translation>zloty polonès</translation>
    </message>
    <message>
        <source>zloty|złoty|zł</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>zloty|złoty|zł</translation>
    </message>
    <message>
        <source>leu rumano</source>
        <translation>leu romanès</translation>
    </message>
    <message>
        <source>corona sueca</source>
        <translation>corona sueca</translation>
    </message>
    <message>
        <source>dólar singapurense</source>
        <translation>dòlar de Singapur</translation>
    </message>
    <message>
        <source>bat tailandés</source>
        <translation>baht tailandès</translation>
    </message>
    <message>
        <source>baht|฿</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>baht|bat|฿</translation>
    </message>
    <message>
        <source>lira turca</source>
        <translation>lira turca</translation>
    </message>
    <message>
        <source>dólar estadounidense</source>
        <translation>dòlar dels Estats Units</translation>
    </message>
    <message>
        <source>$|US$|dólar</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>$|US$|dòlar</translation>
    </message>
    <message>
        <source>rand sudafricano</source>
        <translation>rand sud-africà</translation>
    </message>
    <message>
        <source>lev búlgaro</source>
        <translation>lev búlgar</translation>
    </message>
    <message>
        <source>lev</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>lev</translation>
    </message>
    <message>
        <source>libra chipriota</source>
        <translation>lliura xipriota</translation>
    </message>
    <message>
        <source>corona estonia</source>
        <translation>corona estoniana</translation>
    </message>
    <message>
        <source>kuna croata</source>
        <translation>kuna croata</translation>
    </message>
    <message>
        <source>kuna</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>kuna</translation>
    </message>
    <message>
        <source>litas lituana</source>
        <translation>litas lituà</translation>
    </message>
    <message>
        <source>litas</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>litas</translation>
    </message>
    <message>
        <source>lats letón</source>
        <translation>lats letó</translation>
    </message>
    <message>
        <source>lats</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>lats</translation>
    </message>
    <message>
        <source>lira maltesa</source>
        <translation>lira maltesa</translation>
    </message>
    <message>
        <source>leu rumano antiguo</source>
        <translation>leu romanès antic</translation>
    </message>
    <message>
        <source>rublo ruso</source>
        <translation>ruble rus</translation>
    </message>
    <message>
        <source>rublo|₽</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>ruble|₽</translation>
    </message>
    <message>
        <source>tólar esloveno</source>
        <translation>tolar eslovè</translation>
    </message>
    <message>
        <source>tólar</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>tolar</translation>
    </message>
    <message>
        <source>corona eslovaca</source>
        <translation>corona eslovaca</translation>
    </message>
    <message>
        <source>lira turca antigua</source>
        <translation>lira turca antiga</translation>
    </message>
</context>
<context>
    <name>FractionParts</name>
    <message>
        <source>Ant</source>
        <extracomment>a button: the previous measure (short for &quot;anterior&quot;)</extracomment>
        <translation>Ant</translation>
    </message>
    <message>
        <source>Sig</source>
        <extracomment>a button: the next measure (short for &quot;siguiente&quot;)</extracomment>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Medida anterior</source>
        <translation>Mesura anterior</translation>
    </message>
    <message>
        <source>Medida siguiente</source>
        <translation>Mesura següent</translation>
    </message>
    <message>
        <source>Numerador de la fracción de pulgada</source>
        <translation>Numerador de la fracció de polzada</translation>
    </message>
    <message>
        <source>Denominador de la fracción de pulgada</source>
        <translation>Denominador de la fracció de polzada</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Tarvel - conversor de unidades (versión 2.5) - 2002, %1</source>
        <extracomment>%1 is the maker&apos;s name</extracomment>
        <translation>Tarvel - conversor d&apos;unitats (versió 2.5) - 2002, %1</translation>
    </message>
    <message>
        <source>Tarvel es un programa gratuito (freeware): puede usarlo sin límite de tiempo y repartir copias libremente, siempre que no modifique ninguno de sus componentes ni cobre por ellas.</source>
        <translation>Tarvel és un programa gratuït (freeware): podeu fer-lo servir sense límit de temps i repartir-ne còpies lliurement, sempre que no en modifiqueu cap component ni en cobreu res.</translation>
    </message>
    <message>
        <source>El programa no se instala, y puede ejecutarse directamente desde un disquete. Si ya no lo necesita sólo tiene que borrarlo.</source>
        <translation>El programa no s&apos;instal·la, i es pot executar directament des d&apos;un disquet. Si ja no el necessiteu, només cal que l&apos;esborreu.</translation>
    </message>
    <message>
        <source>Como &quot;software de cortesía&quot;, personalizamos la pantalla principal (su logotipo, su dirección Web, su e-mail y sus textos publicitarios) y la barra de direcciones del módulo de divisas, por US $90, para que lo obsequie a sus clientes.</source>
        <translation>Com a &quot;programari de cortesia&quot;, personalitzem la pantalla principal (el vostre logotip, la vostra adreça web, el vostre correu electrònic i els vostres textos publicitaris) i la barra d&apos;adreces del mòdul de divises, per US $90, perquè l&apos;obsequieu als vostres clients.</translation>
    </message>
    <message>
        <source>Si necesita otras unidades o funciones, consúltenos: como ejemplo, se incluye una tabla de redondos de acero para la construcción y el cálculo de mallas.</source>
        <translation>Si necessiteu altres unitats o funcions, consulteu-nos: com a exemple, s&apos;hi inclou una taula de rodons d&apos;acer per a la construcció i el càlcul de malles.</translation>
    </message>
    <message>
        <source>Autor:		%1</source>
        <extracomment>a heading and two tabs, then the maker&apos;s name</extracomment>
        <translation>Autor:		%1</translation>
    </message>
    <message>
        <source>e-mail:		%1</source>
        <extracomment>a heading and two tabs, then the maker&apos;s e-mail address</extracomment>
        <translation>correu:		%1</translation>
    </message>
    <message>
        <source>es</source>
        <extracomment>the language of this translation, as an HTML language code (en, ca...)</extracomment>
        <translation>ca</translation>
    </message>
    <message>
        <source>C&amp;oacute;mo personalizar Tarvel</source>
        <translation>Com personalitzar Tarvel</translation>
    </message>
    <message>
        <source>&amp;#0161;Gracias por preguntar!</source>
        <translation>Gràcies per preguntar!</translation>
    </message>
    <message>
        <source>C&amp;oacute;mo personalizar Tarvel:</source>
        <translation>Com personalitzar Tarvel:</translation>
    </message>
    <message>
        <source>Esta es una versi&amp;oacute;n gratuita (&lt;i&gt;freeware&lt;/i&gt;) de Tarvel: puede usarla y repartirla libremente.</source>
        <translation>Aquesta és una versió gratuïta (&lt;i&gt;freeware&lt;/i&gt;) de Tarvel: podeu fer-la servir i repartir-la lliurement.</translation>
    </message>
    <message>
        <source>Le ofrecemos personalizarla: en la pantalla principal pondremos la imagen, los enlaces a su sitio Web, su direcci&amp;oacute;n de e-mail y los textos publicitarios que usted elija.</source>
        <translation>Us oferim personalitzar-la: a la pantalla principal hi posarem la imatge, els enllaços al vostre lloc web, la vostra adreça de correu electrònic i els textos publicitaris que vulgueu.</translation>
    </message>
    <message>
        <source>As&amp;iacute; tendr&amp;aacute; un medio publicitario permanente, simp&amp;aacute;tico y discreto, que sus clientes conservar&amp;aacute;n y usar&amp;aacute;n a diario.</source>
        <translation>Així tindreu un mitjà publicitari permanent, simpàtic i discret, que els vostres clients conservaran i faran servir cada dia.</translation>
    </message>
    <message>
        <source>Env&amp;iacute;enos por e-mail la imagen, las direcciones y los textos, con una descripci&amp;oacute;n o un boceto del aspecto que desea. El &amp;uacute;nico l&amp;iacute;mite es el tama&amp;ntilde;o de la ventana, dentro de 800 &amp;times; 600 p&amp;iacute;xeles.</source>
        <translation>Envieu-nos per correu electrònic la imatge, les adreces i els textos, amb una descripció o un esbós de l&apos;aspecte que voleu. L&apos;únic límit és la mida de la finestra, dins de 800 &amp;times; 600 píxels.</translation>
    </message>
    <message>
        <source>En unos dos d&amp;iacute;as recibir&amp;aacute; el programa personalizado, con la licencia para repartir tantas copias como desee.</source>
        <translation>En uns dos dies rebreu el programa personalitzat, amb la llicència per repartir-ne tantes còpies com vulgueu.</translation>
    </message>
    <message>
        <source>El servicio b&amp;aacute;sico cuesta US$ 90, o su equivalente en euros (puede calcularlo con el men&amp;uacute; &lt;b&gt;Divisas&lt;/b&gt; de este programa).</source>
        <extracomment>&quot;Divisas&quot; is the main menu&apos;s currency menu: write its name as the menu shows it</extracomment>
        <translation>El servei bàsic costa US$ 90, o l&apos;equivalent en euros (el podeu calcular amb el menú &lt;b&gt;Divises&lt;/b&gt; d&apos;aquest programa).</translation>
    </message>
    <message>
        <source>Formas de pago:</source>
        <translation>Formes de pagament:</translation>
    </message>
    <message>
        <source>Tarjetas de cr&amp;eacute;dito</source>
        <translation>Targetes de crèdit</translation>
    </message>
    <message>
        <source>Pago seguro en l&amp;iacute;nea</source>
        <extracomment>a link to the page where one pays by card</extracomment>
        <translation>Pagament segur en línia</translation>
    </message>
    <message>
        <source>Transferencia</source>
        <extracomment>a way of paying: by bank transfer</extracomment>
        <translation>Transferència</translation>
    </message>
    <message>
        <source>Consulte</source>
        <extracomment>a link that writes an e-mail to ask about paying by bank transfer</extracomment>
        <translation>Consulteu-nos</translation>
    </message>
    <message>
        <source>Si necesita otras unidades o funciones, p&amp;iacute;danos un nuevo presupuesto.</source>
        <translation>Si necessiteu altres unitats o funcions, demaneu-nos un nou pressupost.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>días antes del 4 de enero de 1999</source>
        <translation>dies anteriors al 4 de gener de 1999</translation>
    </message>
    <message>
        <source>histórico rechazado: %1</source>
        <translation>historial rebutjat: %1</translation>
    </message>
    <message>
        <source>no se pudo guardar el histórico: %1</source>
        <translation>no s&apos;ha pogut desar l&apos;historial: %1</translation>
    </message>
    <message>
        <source>el histórico guardado estaba dañado (%1)</source>
        <translation>l&apos;historial desat estava malmès (%1)</translation>
    </message>
</context>
<context>
    <name>Kit</name>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
    <message>
        <source>%1 no es un número válido.</source>
        <translation>%1 no és un nombre vàlid.</translation>
    </message>
    <message>
        <source>mmh</source>
        <extracomment>the caption of a box: a puzzled murmur</extracomment>
        <translation>mmm</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no es un número válido.</source>
        <translation>&quot;%1&quot; no és un nombre vàlid.</translation>
    </message>
    <message>
        <source>Oh oh!</source>
        <extracomment>the caption of a box: a playful alarm</extracomment>
        <translation>Ai, ai!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; Es un número demasiado grande para poner aquí.
Prueba con uno menor.
Graciasss.</source>
        <extracomment>a playful message, in three lines; %1 the number typed</extracomment>
        <translation>&quot;%1&quot; És un nombre massa gran per posar-lo aquí.
Prova&apos;n un de més petit.
Gràciesss.</translation>
    </message>
    <message>
        <source>Número muy grande.</source>
        <translation>Nombre massa gran.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>No se pudo guardar el idioma elegido: %1</source>
        <translation>No s&apos;ha pogut desar l&apos;idioma triat: %1</translation>
    </message>
</context>
<context>
    <name>OwnCurrencies</name>
    <message>
        <source>una divisa no se lee</source>
        <translation>una divisa no es pot llegir</translation>
    </message>
    <message>
        <source>un código de divisa no vale</source>
        <translation>un codi de divisa no és vàlid</translation>
    </message>
    <message>
        <source>%1 está dos veces</source>
        <translation>%1 hi és dues vegades</translation>
    </message>
    <message>
        <source>el nombre de %1 está vacío o pasa de %2 letras</source>
        <translation>el nom de %1 és buit o passa de %2 lletres</translation>
    </message>
    <message>
        <source>el tipo de %1 no está entre 1E-6 y 1E12</source>
        <translation>el tipus de %1 no és entre 1E-6 i 1E12</translation>
    </message>
    <message>
        <source>la fecha de %1 no vale</source>
        <translation>la data de %1 no és vàlida</translation>
    </message>
    <message>
        <source>no es JSON</source>
        <translation>no és JSON</translation>
    </message>
    <message>
        <source>sin lista de divisas</source>
        <translation>sense llista de divises</translation>
    </message>
    <message>
        <source>tiene %1 divisas, más de %2</source>
        <translation>té %1 divises, més de %2</translation>
    </message>
    <message>
        <source>el archivo de sus divisas estaba dañado (%1) y se ha apartado como %2</source>
        <extracomment>%1 what is wrong with it; %2 the name it was renamed to</extracomment>
        <translation>el fitxer de les vostres divises estava malmès (%1) i s&apos;ha apartat com a %2</translation>
    </message>
    <message>
        <source>el archivo de sus divisas está dañado (%1) y no se pudo apartar</source>
        <translation>el fitxer de les vostres divises està malmès (%1) i no s&apos;ha pogut apartar</translation>
    </message>
    <message>
        <source>no se puede leer el archivo de sus divisas: %1</source>
        <translation>no es pot llegir el fitxer de les vostres divises: %1</translation>
    </message>
    <message>
        <source>no se pudieron guardar sus divisas: %1</source>
        <translation>no s&apos;han pogut desar les vostres divises: %1</translation>
    </message>
    <message>
        <source>no se pudieron guardar sus divisas: otro Tarvel está guardando las suyas</source>
        <translation>no s&apos;han pogut desar les vostres divises: un altre Tarvel està desant les seves</translation>
    </message>
    <message>
        <source>ya tiene %1 divisas propias, las que caben</source>
        <translation>ja teniu %1 divises pròpies, les que hi caben</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>vacía</source>
        <extracomment>how a screen reader names an empty cell of a table (&quot;celda vacía&quot;)</extracomment>
        <translation>buida</translation>
    </message>
    <message>
        <source>Copiar todas las unidades</source>
        <translation>Copia totes les unitats</translation>
    </message>
    <message>
        <source>sin conexión</source>
        <translation>sense connexió</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>a size in megabytes</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>a size in kilobytes</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>no queda espai al disc</translation>
    </message>
    <message>
        <source>se ha llenado su cuota de disco</source>
        <translation>s&apos;ha omplert la vostra quota de disc</translation>
    </message>
    <message>
        <source>el archivo pasa del tamaño que el sistema permite</source>
        <translation>el fitxer passa de la mida que el sistema permet</translation>
    </message>
    <message>
        <source>no hay permiso para escribir en la carpeta</source>
        <translation>no hi ha permís per escriure a la carpeta</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>el disc és només de lectura</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>error de lectura o escriptura al disc</translation>
    </message>
    <message>
        <source>una carpeta del camino es un archivo</source>
        <extracomment>a file could not be written: one of the folders on its path is a file</extracomment>
        <translation>una carpeta del camí és un fitxer</translation>
    </message>
    <message>
        <source>el nombre del archivo es demasiado largo</source>
        <translation>el nom del fitxer és massa llarg</translation>
    </message>
    <message>
        <source>la carpeta no existe</source>
        <translation>la carpeta no existeix</translation>
    </message>
    <message>
        <source>en su lugar hay una carpeta</source>
        <extracomment>a file could not be written: a folder stands where the file should be</extracomment>
        <translation>al seu lloc hi ha una carpeta</translation>
    </message>
    <message>
        <source>error del sistema %1 (%2)</source>
        <extracomment>%1 the error&apos;s number, %2 the system&apos;s own description of it</extracomment>
        <translation>error del sistema %1 (%2)</translation>
    </message>
    <message>
        <source>no es un archivo normal</source>
        <translation>no és un fitxer normal</translation>
    </message>
    <message>
        <source>pasa de %1</source>
        <extracomment>a kept file is too large; %1 its limit (&quot;1 MB&quot;)</extracomment>
        <translation>passa de %1</translation>
    </message>
    <message>
        <source>el proxy rechazó la conexión</source>
        <translation>el servidor intermediari ha rebutjat la connexió</translation>
    </message>
    <message>
        <source>el proxy pide usuario y contraseña</source>
        <translation>el servidor intermediari demana usuari i contrasenya</translation>
    </message>
    <message>
        <source>el proxy cerró la conexión</source>
        <translation>el servidor intermediari ha tancat la connexió</translation>
    </message>
    <message>
        <source>no se encuentra el proxy</source>
        <translation>no es troba el servidor intermediari</translation>
    </message>
    <message>
        <source>el proxy no respondió</source>
        <translation>el servidor intermediari no ha respost</translation>
    </message>
    <message>
        <source>el servidor no respondió en 1 segundo</source>
        <translation>el servidor no ha respost en 1 segon</translation>
    </message>
    <message>
        <source>el servidor no respondió en %1 segundos</source>
        <translation>el servidor no ha respost en %1 segons</translation>
    </message>
    <message>
        <source>la respuesta pasa de %1</source>
        <translation>la resposta passa de %1</translation>
    </message>
    <message>
        <source>redirigida a otro servidor (%1)</source>
        <extracomment>a download was redirected; %1 the other server&apos;s name</extracomment>
        <translation>redirigida a un altre servidor (%1)</translation>
    </message>
    <message>
        <source>demasiadas redirecciones</source>
        <translation>massa redireccions</translation>
    </message>
    <message>
        <source>el servidor respondió %1</source>
        <extracomment>%1 the HTTP status (&quot;404&quot;)</extracomment>
        <translation>el servidor ha respost %1</translation>
    </message>
    <message>
        <source>la conexión segura no es válida</source>
        <translation>la connexió segura no és vàlida</translation>
    </message>
    <message>
        <source>la respuesta comprimida pasa de %1 o está dañada</source>
        <translation>la resposta comprimida passa de %1 o està malmesa</translation>
    </message>
    <message>
        <source>el servidor no habla HTTP</source>
        <translation>el servidor no parla HTTP</translation>
    </message>
    <message>
        <source>falta el módulo de red</source>
        <translation>falta el mòdul de xarxa</translation>
    </message>
    <message>
        <source>dirección de descarga no válida</source>
        <translation>adreça de baixada no vàlida</translation>
    </message>
    <message>
        <source>solo se descarga por https</source>
        <translation>només es baixa per https</translation>
    </message>
</context>
<context>
    <name>Rates</name>
    <message>
        <source>los tipos guardados estaban dañados (%1)</source>
        <translation>els tipus desats estaven malmesos (%1)</translation>
    </message>
    <message>
        <source>no se pudieron guardar: %1</source>
        <extracomment>the rates just downloaded could not be kept; %1 why</extracomment>
        <translation>no s&apos;han pogut desar: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Tarvel - conversor de unidades</source>
        <extracomment>the program&apos;s name and what it is: the caption of its message boxes</extracomment>
        <translation>Tarvel - conversor d&apos;unitats</translation>
    </message>
</context>
<context>
    <name>TFIlum</name>
    <message>
        <source>lumen/m²</source>
        <translation>lumen/m²</translation>
    </message>
    <message>
        <source>bujía-m</source>
        <extracomment>metre-candle (= lux)</extracomment>
        <translation>bugia-m</translation>
    </message>
    <message>
        <source>lux</source>
        <translation>lux</translation>
    </message>
    <message>
        <source>lumen/cm²</source>
        <translation>lumen/cm²</translation>
    </message>
    <message>
        <source>bujía-cm</source>
        <extracomment>centimetre-candle (= phot)</extracomment>
        <translation>bugia-cm</translation>
    </message>
    <message>
        <source>fotio</source>
        <extracomment>the phot</extracomment>
        <translation>fot</translation>
    </message>
    <message>
        <source>lumen/pie²</source>
        <extracomment>lumen per square foot</extracomment>
        <translation>lumen/peu²</translation>
    </message>
    <message>
        <source>bujía-pie</source>
        <extracomment>foot-candle</extracomment>
        <translation>bugia-peu</translation>
    </message>
    <message>
        <source>flama</source>
        <extracomment>the flame, a quarter of a foot-candle</extracomment>
        <translation>flama</translation>
    </message>
    <message>
        <source>nox</source>
        <extracomment>the nox, a thousandth of a lux</extracomment>
        <translation>nox</translation>
    </message>
    <message>
        <source> Tarvel - Iluminación</source>
        <extracomment>the window&apos;s title (leading blank kept); Tarvel is the program&apos;s name</extracomment>
        <translation> Tarvel - Il·luminació</translation>
    </message>
</context>
<context>
    <name>TFZapatos</name>
    <message>
        <source>Sistema Métrico Europeo</source>
        <translation>Sistema Mètric Europeu</translation>
    </message>
    <message>
        <source>De Mujeres</source>
        <translation>De Dona</translation>
    </message>
    <message>
        <source>De Hombres</source>
        <translation>D&apos;Home</translation>
    </message>
    <message>
        <source>Aprox. en centímetros</source>
        <translation>Aprox. en centímetres</translation>
    </message>
    <message>
        <source>Medida de zapatos</source>
        <translation>Números de sabata</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>a range of European shoe sizes, as in &quot;36 a 43&quot;</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>¿Hasta dónde quieres llegar hoy?</source>
        <translation>Fins on vols arribar avui?</translation>
    </message>
    <message>
        <source> Pulgadas &lt;--&gt; milímetros</source>
        <translation> Polzades &lt;--&gt; mil·límetres</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Precisión actual: 1/%1</source>
        <translation>Precisió actual: 1/%1</translation>
    </message>
    <message>
        <source>Ajustar a:</source>
        <translation>Ajusta a:</translation>
    </message>
    <message>
        <source>decimales</source>
        <translation>decimals</translation>
    </message>
    <message>
        <source>Pulgadas</source>
        <translation>Polzades</translation>
    </message>
    <message>
        <source>Parte entera</source>
        <translation>Part entera</translation>
    </message>
    <message>
        <source>Fracción</source>
        <translation>Fracció</translation>
    </message>
    <message>
        <source>&quot; a mm</source>
        <extracomment>a button: from inches (&quot;) to millimetres</extracomment>
        <translation>&quot; a mm</translation>
    </message>
    <message>
        <source>Convertir a mm</source>
        <translation>Converteix a mm</translation>
    </message>
    <message>
        <source>mm a &quot;</source>
        <extracomment>a button: from millimetres to inches (&quot;)</extracomment>
        <translation>mm a &quot;</translation>
    </message>
    <message>
        <source>Convertir a pulgadas</source>
        <translation>Converteix a polzades</translation>
    </message>
    <message>
        <source>Milímetros</source>
        <translation>Mil·límetres</translation>
    </message>
    <message>
        <source>1 pulgada [inch, (&quot;), in] =</source>
        <translation>1 polzada [inch, (&quot;), in] =</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no es un núnero válido.</source>
        <translation>&quot;%1&quot; no és un nombre vàlid.</translation>
    </message>
    <message>
        <source>Precisión actual: decimal.</source>
        <translation>Precisió actual: decimal.</translation>
    </message>
    <message>
        <source>Precisión actual: 1/2 </source>
        <translation>Precisió actual: 1/2 </translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Medidas antiguas de Andalucía: equivalencias según las publica su fuente.</source>
        <translation>Mesures antigues d&apos;Andalusia: equivalències segons la seva font.</translation>
    </message>
    <message>
        <source>Sevilla, noviembre de 2002</source>
        <translation>Sevilla, novembre de 2002</translation>
    </message>
    <message>
        <source>Acerca de Tarvel - conversor de unidades</source>
        <translation>Quant a Tarvel - conversor d&apos;unitats</translation>
    </message>
    <message>
        <source>Tarvel - conversor de unidades</source>
        <translation>Tarvel - conversor d&apos;unitats</translation>
    </message>
    <message>
        <source>Versión 2.5</source>
        <translation>Versió 2.5</translation>
    </message>
    <message>
        <source>Página del programa</source>
        <translation>Pàgina del programa</translation>
    </message>
    <message>
        <source>Para consultas o comentarios:</source>
        <translation>Per a consultes o comentaris:</translation>
    </message>
    <message>
        <source>Versión de cortesía, personalizada para...</source>
        <translation>Versió de cortesia, personalitzada per a...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Unidades de longitud</source>
        <translation>Unitats de longitud</translation>
    </message>
    <message>
        <source>miriámetro [Ma]</source>
        <translation>miriàmetre [Ma]</translation>
    </message>
    <message>
        <source>kilómetro [km]</source>
        <translation>quilòmetre [km]</translation>
    </message>
    <message>
        <source>hectómetro [hm]</source>
        <translation>hectòmetre [hm]</translation>
    </message>
    <message>
        <source>decámetro [dam]</source>
        <translation>decàmetre [dam]</translation>
    </message>
    <message>
        <source>metro [m]</source>
        <translation>metre [m]</translation>
    </message>
    <message>
        <source>decímetro [dm]</source>
        <translation>decímetre [dm]</translation>
    </message>
    <message>
        <source>centímetro [cm]</source>
        <translation>centímetre [cm]</translation>
    </message>
    <message>
        <source>milímetro [mm]</source>
        <translation>mil·límetre [mm]</translation>
    </message>
    <message>
        <source>milésima de pulg. [mil]</source>
        <translation>mil·lèsima de polz. [mil]</translation>
    </message>
    <message>
        <source>pulgada [inch (&quot;), in]</source>
        <translation>polzada [inch (&quot;), in]</translation>
    </message>
    <message>
        <source>pie [foot (&apos;), ft]</source>
        <translation>peu [foot (&apos;), ft]</translation>
    </message>
    <message>
        <source>yarda [yard, yd]</source>
        <translation>iarda [yard, yd]</translation>
    </message>
    <message>
        <source>braza [fathom]</source>
        <translation>braça [fathom]</translation>
    </message>
    <message>
        <source>cadena [chain, ch]</source>
        <translation>cadena [chain, ch]</translation>
    </message>
    <message>
        <source>milla estatuto [Mi]</source>
        <translation>milla terrestre [mi]</translation>
    </message>
    <message>
        <source>nudo [milla marina]</source>
        <translation>nus [milla nàutica]</translation>
    </message>
    <message>
        <source>unidad astronómica [ua]</source>
        <translation>unitat astronòmica [ua]</translation>
    </message>
    <message>
        <source>año luz</source>
        <translation>any llum</translation>
    </message>
    <message>
        <source>parsec [pc]</source>
        <translation>parsec [pc]</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Vaya!</source>
        <translation>Vaja!</translation>
    </message>
    <message>
        <source>¡Qué número más grande tienes...!</source>
        <translation>Quin nombre més gran que tens...!</translation>
    </message>
    <message>
        <source>Esto así no funciona... </source>
        <translation>Això així no funciona... </translation>
    </message>
    <message>
        <source>pies</source>
        <extracomment>the foot&apos;s plural, which the unit search also finds (several separated by commas)</extracomment>
        <translation>peus</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Efectos variables según la edad, el estado de salud y las características corporales de cada persona</source>
        <translation>Els efectes varien segons l&apos;edat, la salut i la constitució de cada persona</translation>
    </message>
    <message>
        <source>Sensación Térmica:</source>
        <translation>Sensació tèrmica:</translation>
    </message>
    <message>
        <source>Sensación térmica, en º C</source>
        <translation>Sensació tèrmica, en °C</translation>
    </message>
    <message>
        <source>[ºC]</source>
        <translation>[°C]</translation>
    </message>
    <message>
        <source>¡Buenos días!</source>
        <translation>Bon dia!</translation>
    </message>
    <message>
        <source>Categoría del peligro</source>
        <translation>Categoria del perill</translation>
    </message>
    <message>
        <source>Sensación Térmica</source>
        <translation>Sensació tèrmica</translation>
    </message>
    <message>
        <source>Verano</source>
        <translation>Estiu</translation>
    </message>
    <message>
        <source>Invierno</source>
        <translation>Hivern</translation>
    </message>
    <message>
        <source>Temperatura:</source>
        <translation>Temperatura:</translation>
    </message>
    <message>
        <source>Temperatura ambiente, en º C</source>
        <translation>Temperatura ambient, en °C</translation>
    </message>
    <message>
        <source>Humedad relativa:</source>
        <translation>Humitat relativa:</translation>
    </message>
    <message>
        <source>[%]</source>
        <translation>[%]</translation>
    </message>
    <message>
        <source>Humedad relativa ambiente, en %</source>
        <translation>Humitat relativa ambient, en %</translation>
    </message>
    <message>
        <source>Velocidad del viento:</source>
        <translation>Velocitat del vent:</translation>
    </message>
    <message>
        <source>[Km/hora]</source>
        <translation>[km/h]</translation>
    </message>
    <message>
        <source>Velocidad del viento, en Km/hora</source>
        <translation>Velocitat del vent, en km/h</translation>
    </message>
    <message>
        <source>Sensación térmica por el efecto combinado del calor, la humedad y el viento</source>
        <translation>Sensació tèrmica per l&apos;efecte combinat de la calor, la humitat i el vent</translation>
    </message>
    <message>
        <source> ¿Hace calor?</source>
        <translation> Fa calor?</translation>
    </message>
    <message>
        <source>Síndrome provocado</source>
        <translation>Síndrome provocada</translation>
    </message>
    <message>
        <source>Síndrome provocado por el calor</source>
        <translation>Síndrome provocada per la calor</translation>
    </message>
    <message>
        <source>Sensación térmica por efecto del viento:</source>
        <translation>Sensació tèrmica per efecte del vent:</translation>
    </message>
    <message>
        <source> ¿Está fresco?</source>
        <translation> Fa fresca?</translation>
    </message>
    <message>
        <source>Peligro de congelamiento</source>
        <translation>Perill de congelació</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>a class of wind speeds in the drop-down list, in km/h: from %1 to %2 (%2 is &quot;...&quot; for the last class, which has no upper bound)</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Extremo peligro:</source>
        <translation>Perill extrem:</translation>
    </message>
    <message>
        <source> Golpe de calor e insolación inminentes.</source>
        <translation> Cop de calor i insolació imminents.</translation>
    </message>
    <message>
        <source>Peligro:</source>
        <translation>Perill:</translation>
    </message>
    <message>
        <source> Insolación, golpe de calor, calambres. 
 Muy posibles por exposición prolongada o actividad física.</source>
        <translation> Insolació, cop de calor, rampes. 
 Molt probables per exposició llarga o esforç.</translation>
    </message>
    <message>
        <source>Precaución extrema:</source>
        <translation>Precaució extrema:</translation>
    </message>
    <message>
        <source> Insolación, golpe de calor, calambres. 
 Posibles por exposición prolongada o actividad física.</source>
        <translation> Insolació, cop de calor, rampes. 
 Possibles per exposició llarga o esforç físic.</translation>
    </message>
    <message>
        <source>Precaución:</source>
        <translation>Precaució:</translation>
    </message>
    <message>
        <source> Posible fatiga por exposición prolongada o
 actividad física.</source>
        <translation> Possible fatiga per exposició prolongada o
 activitat física.</translation>
    </message>
    <message>
        <source>Bueno:</source>
        <translation>Bo:</translation>
    </message>
    <message>
        <source> ¡Que tengas un buen día!</source>
        <translation> Que tinguis un bon dia!</translation>
    </message>
    <message>
        <source>Peligro de hipotermia, sin la vestimenta apropiada.</source>
        <translation>Perill d&apos;hipotèrmia, sense la roba adequada.</translation>
    </message>
    <message>
        <source>Muy peligroso</source>
        <translation>Molt perillós</translation>
    </message>
    <message>
        <source>Las partes del cuerpo expuestas al viento pueden congelarse
en 1 minuto.</source>
        <translation>Les parts del cos exposades al vent
es poden congelar en 1 minut.</translation>
    </message>
    <message>
        <source>Extrem. peligroso.</source>
        <translation>Extrem. perillós.</translation>
    </message>
    <message>
        <source>Las partes del cuerpo expuestas al viento pueden congelarse
en 30 segundos.</source>
        <translation>Les parts del cos exposades al vent
es poden congelar en 30 segons.</translation>
    </message>
</context>
<context>
    <name>TFormAndalucia</name>
    <message>
        <source>Almería</source>
        <translation>Almeria</translation>
    </message>
    <message>
        <source>Cádiz</source>
        <translation>Cadis</translation>
    </message>
    <message>
        <source>Córdoba</source>
        <translation>Còrdova</translation>
    </message>
    <message>
        <source>Granada</source>
        <translation>Granada</translation>
    </message>
    <message>
        <source>Huelva</source>
        <translation>Huelva</translation>
    </message>
    <message>
        <source>Jaén</source>
        <translation>Jaén</translation>
    </message>
    <message>
        <source>Málaga</source>
        <translation>Màlaga</translation>
    </message>
    <message>
        <source>Sevilla</source>
        <translation>Sevilla</translation>
    </message>
    <message>
        <source>metro:</source>
        <translation>metre:</translation>
    </message>
    <message>
        <source>kilogramo:</source>
        <translation>quilogram:</translation>
    </message>
    <message>
        <source>litro:</source>
        <translation>litre:</translation>
    </message>
    <message>
        <source>metro cuadrado:</source>
        <translation>metre quadrat:</translation>
    </message>
    <message>
        <source>metro cúbico:</source>
        <translation>metre cúbic:</translation>
    </message>
    <message>
        <source>centímetro:</source>
        <translation>centímetre:</translation>
    </message>
    <message>
        <source>milímetro:</source>
        <translation>mil·límetre:</translation>
    </message>
    <message>
        <source>gramo:</source>
        <translation>gram:</translation>
    </message>
    <message>
        <source>Unidades Antiguas de Andalucía</source>
        <translation>Unitats antigues d&apos;Andalusia</translation>
    </message>
    <message>
        <source>MEDIDAS ANTIGUAS DE ANDALUCÍA  (Procedentes del sistema de medidas llamado de Castilla)</source>
        <translation>MESURES ANTIGUES D&apos;ANDALUSIA  (Procedents del sistema de mesures anomenat de Castella)</translation>
    </message>
    <message>
        <source>Principales</source>
        <translation>Principals</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Pes</translation>
    </message>
    <message>
        <source>Vinos y Licores</source>
        <translation>Vins i Licors</translation>
    </message>
    <message>
        <source>Áridos</source>
        <extracomment>dry goods: grain and pulses measured by volume</extracomment>
        <translation>Àrids</translation>
    </message>
    <message>
        <source>Aceite</source>
        <translation>Oli</translation>
    </message>
    <message>
        <source>Agrarias</source>
        <extracomment>land measures</extracomment>
        <translation>Agràries</translation>
    </message>
    <message>
        <source>Longitud - Peso - Capacidad</source>
        <translation>Longitud - Pes - Capacitat</translation>
    </message>
    <message>
        <source>Superficie - Volumen</source>
        <translation>Superfície - Volum</translation>
    </message>
    <message>
        <source>(1) También llamada Arroba</source>
        <extracomment>a footnote to the unit &quot;Cántara (1)&quot;, whose other name is &quot;Arroba&quot;</extracomment>
        <translation>(1) També anomenada Arroba</translation>
    </message>
    <message>
        <source>(1) Unidad de regadío</source>
        <extracomment>a footnote to the unit &quot;Tahulla (1)&quot;</extracomment>
        <translation>(1) Unitat de regadiu</translation>
    </message>
    <message>
        <source>Aclaración</source>
        <translation>Aclariment</translation>
    </message>
    <message>
        <source>Datos publicados por la Dirección General del Instituto Geográfico y Estadístico. Año 1938</source>
        <translation>Dades publicades per la Direcció General de l&apos;Institut Geogràfic i Estadístic. Any 1938</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Esta unidad de regadío sólo se ha definido para Almería.</source>
        <translation>Aquesta unitat de regadiu només s&apos;ha definit per a Almeria.</translation>
    </message>
    <message>
        <source>No se ha definido esta unidad para %1</source>
        <translation>Aquesta unitat no s&apos;ha definit per a %1</translation>
    </message>
    <message>
        <source>Este es el máximo número admisible... 
Si necesita operar con magnitudes mayores que 10E300 comuníquese con el autor...</source>
        <translation>Aquest és el nombre màxim admissible... 
Si necessiteu operar amb magnituds més grans que 10E300, poseu-vos en contacte amb l&apos;autor...</translation>
    </message>
    <message>
        <source>Oh!</source>
        <translation>Oh!</translation>
    </message>
    <message>
        <source>Fanega - Celemín - Cuartillo:
    Son medidas de capacidad para áridos.
    Aquí significan: espacio de tierra en que se siembra una fanega, celemín o cuartillo de trigo.

Nota del autor:
    Aunque resulta evidente la inconsistencia entre la Vara, como unidad de longitud, y la Vara² que
    aquí se muestra, se han respetado las equivalencias publicadas por la fuente.</source>
        <translation>Fanega - Celemín - Cuartillo:
    Són mesures de capacitat per a àrids.
    Aquí signifiquen: espai de terra en què se sembra una fanega, un celemín o un cuartillo de blat.

Nota de l&apos;autor:
    Tot i que és evident la inconsistència entre la Vara, com a unitat de longitud, i la Vara² que
    aquí es mostra, s&apos;han respectat les equivalències publicades per la font.</translation>
    </message>
</context>
<context>
    <name>TFormAngulo</name>
    <message>
        <source>radián</source>
        <translation>radiant</translation>
    </message>
    <message>
        <source>grado sexagesimal [°]</source>
        <translation>grau sexagesimal [°]</translation>
    </message>
    <message>
        <source>minuto sexagesimal [&apos;]</source>
        <translation>minut sexagesimal [&apos;]</translation>
    </message>
    <message>
        <source>segundo sexagesimal [&apos;&apos;]</source>
        <translation>segon sexagesimal [&apos;&apos;]</translation>
    </message>
    <message>
        <source>grado centesimal [g]</source>
        <extracomment>the gradian</extracomment>
        <translation>grau centesimal [g]</translation>
    </message>
    <message>
        <source>revolución</source>
        <translation>revolució</translation>
    </message>
    <message>
        <source>recto</source>
        <extracomment>the right angle</extracomment>
        <translation>angle recte</translation>
    </message>
    <message>
        <source>grados</source>
        <extracomment>the accessible name of the edit of whole degrees, beside the edits of minutes and seconds</extracomment>
        <translation>graus</translation>
    </message>
    <message>
        <source>minutos</source>
        <translation>minuts</translation>
    </message>
    <message>
        <source>segundos</source>
        <translation>segons</translation>
    </message>
    <message>
        <source>Ángulos planos</source>
        <translation>Angles plans</translation>
    </message>
    <message>
        <source>Volver</source>
        <extracomment>the button that closes the window</extracomment>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Este número excede la capacidad de cálculo,
lo lamento...</source>
        <translation>Aquest nombre supera la capacitat de càlcul,
ho lamento...</translation>
    </message>
</context>
<context>
    <name>TFormBase</name>
    <message>
        <source>  Tarvel - Base de numeración</source>
        <translation>  Tarvel - Base de numeració</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Elija la base de numeración y escriba el número que desea convertir:</source>
        <translation>Trieu la base de numeració i escriviu el nombre que voleu convertir:</translation>
    </message>
    <message>
        <source>Base:</source>
        <translation>Base:</translation>
    </message>
    <message>
        <source>Equivale a:</source>
        <translation>Equival a:</translation>
    </message>
</context>
<context>
    <name>TFormBrowser</name>
    <message>
        <source>Conversor de divisas &quot;on-line&quot;</source>
        <translation>Conversor de divises en línia</translation>
    </message>
    <message>
        <source>Anterior</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Siguiente</source>
        <translation>Endavant</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Actualitza</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Imprimeix</translation>
    </message>
    <message>
        <source>Ir a:</source>
        <translation>Ves a:</translation>
    </message>
    <message>
        <source>Su página Web</source>
        <translation>La vostra pàgina web</translation>
    </message>
    <message>
        <source>Este programa</source>
        <translation>Aquest programa</translation>
    </message>
    <message>
        <source>Esta aplicación necesita que esté instalado InternetExplores 4, o posterior.</source>
        <translation>Aquesta aplicació necessita que hi hagi instal·lat l&apos;Internet Explorer 4, o posterior.</translation>
    </message>
    <message>
        <source>Eligiendo esta opción, el mini-browser se dirigirá a su página Web (por un mínimo desembolso previo, naturalmente =).</source>
        <translation>Si trieu aquesta opció, el mininavegador anirà a la vostra pàgina web (amb un desemborsament previ mínim, naturalment =).</translation>
    </message>
    <message>
        <source>¿Su página aquí?</source>
        <translation>La vostra pàgina aquí?</translation>
    </message>
</context>
<context>
    <name>TFormBuscar</name>
    <message>
        <source>Buscar unidad</source>
        <translation>Cerca una unitat</translation>
    </message>
    <message>
        <source>Unidad o cantidad: pulgada, ft, 5 pies, 100 km/h</source>
        <translation>Unitat o quantitat: polzada, ft, 5 peus, 100 km/h</translation>
    </message>
    <message>
        <source>Nombre o símbolo de una unidad, o una cantidad con su unidad</source>
        <translation>Nom o símbol d&apos;una unitat, o una quantitat amb la seva unitat</translation>
    </message>
    <message>
        <source>Unidades encontradas</source>
        <translation>Unitats trobades</translation>
    </message>
    <message>
        <source>Favoritas</source>
        <translation>Preferides</translation>
    </message>
    <message>
        <source>Recientes</source>
        <translation>Recents</translation>
    </message>
    <message>
        <source>Unidades favoritas y abiertas últimamente</source>
        <translation>Unitats preferides i obertes fa poc</translation>
    </message>
    <message>
        <source>Unidades favoritas</source>
        <translation>Unitats preferides</translation>
    </message>
    <message>
        <source>Unidades abiertas últimamente</source>
        <translation>Unitats obertes fa poc</translation>
    </message>
    <message>
        <source>Escriba la unidad tras el número: %1 pies</source>
        <extracomment>%1 is the number typed; the unit after it is an example</extracomment>
        <translation>Escriviu la unitat després del nombre: %1 peus</translation>
    </message>
    <message>
        <source>Ninguna unidad se llama así.</source>
        <translation>Cap unitat no es diu així.</translation>
    </message>
    <message>
        <source>1 unidad</source>
        <translation>1 unitat</translation>
    </message>
    <message>
        <source>%1 unidades, las %2 primeras a la vista</source>
        <translation>%1 unitats, les %2 primeres a la vista</translation>
    </message>
    <message>
        <source>%1 unidades</source>
        <translation>%1 unitats</translation>
    </message>
    <message>
        <source>%1. Intro escribe %2 en la elegida.</source>
        <extracomment>%1 is how many units answer (&quot;12 unidades&quot;), %2 the number typed before the unit</extracomment>
        <translation>%1. Retorn escriu %2 a la triada.</translation>
    </message>
    <message>
        <source>%1 está ahora entre las favoritas.</source>
        <translation>%1 ara és entre les preferides.</translation>
    </message>
    <message>
        <source>%1 ya no está entre las favoritas.</source>
        <translation>%1 ja no és entre les preferides.</translation>
    </message>
    <message>
        <source>Ya hay %1 favoritas: quite alguna antes de añadir otra.</source>
        <translation>Ja hi ha %1 preferides: traieu-ne alguna abans d&apos;afegir-ne una altra.</translation>
    </message>
    <message>
        <source>Esta unidad no puede guardarse entre las favoritas.</source>
        <translation>Aquesta unitat no es pot desar entre les preferides.</translation>
    </message>
    <message>
        <source>No se pudieron guardar las favoritas: %1.</source>
        <translation>No s&apos;han pogut desar les preferides: %1.</translation>
    </message>
    <message>
        <source>Añadir a favoritas</source>
        <translation>Afegeix a les preferides</translation>
    </message>
</context>
<context>
    <name>TFormCaudal</name>
    <message>
        <source>litro/minuto</source>
        <translation>litre/minut</translation>
    </message>
    <message>
        <source>litro/hora</source>
        <translation>litre/hora</translation>
    </message>
    <message>
        <source>litro/día</source>
        <translation>litre/dia</translation>
    </message>
    <message>
        <source>metro³/segundo</source>
        <extracomment>cubic metre per second (³ is a superscript character, as in the other cubic units)</extracomment>
        <translation>metre³/segon</translation>
    </message>
    <message>
        <source>metro³/minuto</source>
        <translation>metre³/minut</translation>
    </message>
    <message>
        <source>metro³/hora</source>
        <translation>metre³/hora</translation>
    </message>
    <message>
        <source>metro³/día</source>
        <translation>metre³/dia</translation>
    </message>
    <message>
        <source>centímetro³/segundo</source>
        <translation>centímetre³/segon</translation>
    </message>
    <message>
        <source>centímetro³/minuto</source>
        <translation>centímetre³/minut</translation>
    </message>
    <message>
        <source>centímetro³/hora</source>
        <translation>centímetre³/hora</translation>
    </message>
    <message>
        <source>centímetro³/día</source>
        <translation>centímetre³/dia</translation>
    </message>
    <message>
        <source>pie³/segundo</source>
        <translation>peu³/segon</translation>
    </message>
    <message>
        <source>pie³/minuto</source>
        <translation>peu³/minut</translation>
    </message>
    <message>
        <source>pie³/hora</source>
        <translation>peu³/hora</translation>
    </message>
    <message>
        <source>pie³/día</source>
        <translation>peu³/dia</translation>
    </message>
    <message>
        <source>galón/segundo</source>
        <extracomment>the US gallon (3.785 l) per second, as are the other gallons of this window</extracomment>
        <translation>galó/segon</translation>
    </message>
    <message>
        <source>galón/minuto (USGPM)</source>
        <extracomment>US gallons per minute; USGPM is its usual abbreviation</extracomment>
        <translation>galó/minut (USGPM)</translation>
    </message>
    <message>
        <source>galón/hora</source>
        <translation>galó/hora</translation>
    </message>
    <message>
        <source>galón/día</source>
        <translation>galó/dia</translation>
    </message>
    <message>
        <source>barril/segundo</source>
        <extracomment>the oil barrel (158.99 l) per second, as are the other barrels of this window</extracomment>
        <translation>barril/segon</translation>
    </message>
    <message>
        <source>barril/minuto</source>
        <translation>barril/minut</translation>
    </message>
    <message>
        <source>barril/hora</source>
        <translation>barril/hora</translation>
    </message>
    <message>
        <source>barril/día</source>
        <translation>barril/dia</translation>
    </message>
    <message>
        <source>Caudal</source>
        <extracomment>the window&apos;s title: volume flow rate</extracomment>
        <translation>Cabal</translation>
    </message>
    <message>
        <source>litro/segundo</source>
        <translation>litre/segon</translation>
    </message>
    <message>
        <source>Probemos con un número más chico...</source>
        <extracomment>a number too large was typed: &quot;let&apos;s try a smaller number...&quot;</extracomment>
        <translation>Provem amb un nombre més petit...</translation>
    </message>
</context>
<context>
    <name>TFormClinic</name>
    <message>
        <source>Paracetamol</source>
        <extracomment>the analytes (laboratory values) by their usual names in this language, each name different; the second column of the list keeps their English names</extracomment>
        <translation>Paracetamol</translation>
    </message>
    <message>
        <source>µg/mL</source>
        <translation>µg/mL</translation>
    </message>
    <message>
        <source>µmol/L</source>
        <translation>µmol/L</translation>
    </message>
    <message>
        <source>Ácido acetoacético</source>
        <translation>Àcid acetoacètic</translation>
    </message>
    <message>
        <source>mg/dL</source>
        <translation>mg/dL</translation>
    </message>
    <message>
        <source>mmol/L</source>
        <translation>mmol/L</translation>
    </message>
    <message>
        <source>Acetona</source>
        <translation>Acetona</translation>
    </message>
    <message>
        <source>Fosfatasa ácida</source>
        <translation>Fosfatasa àcida</translation>
    </message>
    <message>
        <source>unidades/L</source>
        <translation>unitats/L</translation>
    </message>
    <message>
        <source>U/L</source>
        <translation>U/L</translation>
    </message>
    <message>
        <source>Alanina</source>
        <translation>Alanina</translation>
    </message>
    <message>
        <source>Alanina-aminotransferasa</source>
        <translation>Alanina-aminotransferasa</translation>
    </message>
    <message>
        <source>Albúmina</source>
        <translation>Albúmina</translation>
    </message>
    <message>
        <source>g/dL</source>
        <translation>g/dL</translation>
    </message>
    <message>
        <source>g/L</source>
        <translation>g/L</translation>
    </message>
    <message>
        <source>Alcohol-deshidrogenasa</source>
        <translation>Alcohol-deshidrogenasa</translation>
    </message>
    <message>
        <source>Fructosa-bisfosfato-aldolasa</source>
        <translation>Fructosa-bisfosfat-aldolasa</translation>
    </message>
    <message>
        <source>Aldosterona</source>
        <translation>Aldosterona</translation>
    </message>
    <message>
        <source>ng/dL</source>
        <translation>ng/dL</translation>
    </message>
    <message>
        <source>nmol/L</source>
        <translation>nmol/L</translation>
    </message>
    <message>
        <source>Fosfatasa alcalina</source>
        <translation>Fosfatasa alcalina</translation>
    </message>
    <message>
        <source>Amoníaco</source>
        <translation>Amoníac</translation>
    </message>
    <message>
        <source>µg/dL</source>
        <translation>µg/dL</translation>
    </message>
    <message>
        <source>Amilasa</source>
        <translation>Amilasa</translation>
    </message>
    <message>
        <source>Androstenodiona</source>
        <translation>Androstenediona</translation>
    </message>
    <message>
        <source>Proangiotensina</source>
        <translation>Proangiotensina</translation>
    </message>
    <message>
        <source>pg/mL</source>
        <translation>pg/mL</translation>
    </message>
    <message>
        <source>pmol/L</source>
        <translation>pmol/L</translation>
    </message>
    <message>
        <source>Angiotensina</source>
        <translation>Angiotensina</translation>
    </message>
    <message>
        <source>Vasopresina</source>
        <translation>Vasopressina</translation>
    </message>
    <message>
        <source>Antitrombina III</source>
        <translation>Antitrombina III</translation>
    </message>
    <message>
        <source>mg/L</source>
        <translation>mg/L</translation>
    </message>
    <message>
        <source>1-antitripsina</source>
        <translation>Alfa-1-antitripsina</translation>
    </message>
    <message>
        <source>Apolipoproteína (a)</source>
        <translation>Apolipoproteïna (a)</translation>
    </message>
    <message>
        <source>Apolipoproteína B</source>
        <translation>Apolipoproteïna B</translation>
    </message>
    <message>
        <source>Arginina</source>
        <translation>Arginina</translation>
    </message>
    <message>
        <source>Asparragina</source>
        <translation>Asparagina</translation>
    </message>
    <message>
        <source>Aspartato-aminotransferasa</source>
        <translation>Aspartat-aminotransferasa</translation>
    </message>
    <message>
        <source>Hidrogenocarbonato  [sust. endógena]</source>
        <translation>Hidrogencarbonat [subst. endògena]</translation>
    </message>
    <message>
        <source>mEq/L</source>
        <translation>mEq/L</translation>
    </message>
    <message>
        <source>Bilirrubina</source>
        <translation>Bilirubina</translation>
    </message>
    <message>
        <source>Calcitonina</source>
        <translation>Calcitonina</translation>
    </message>
    <message>
        <source>ng/L</source>
        <translation>ng/L</translation>
    </message>
    <message>
        <source>Calcio</source>
        <translation>Calci</translation>
    </message>
    <message>
        <source>Dióxido de Carbono</source>
        <translation>Diòxid de carboni</translation>
    </message>
    <message>
        <source>mmoI/L</source>
        <extracomment>millimoles per litre, the l written as a capital I</extracomment>
        <translation>mmol/L</translation>
    </message>
    <message>
        <source>Ferroxidasa</source>
        <translation>Ferroxidasa</translation>
    </message>
    <message>
        <source>Cloruro</source>
        <translation>Clorur</translation>
    </message>
    <message>
        <source>Colesterol</source>
        <translation>Colesterol</translation>
    </message>
    <message>
        <source>Citrato</source>
        <translation>Citrat</translation>
    </message>
    <message>
        <source>Cobre</source>
        <translation>Coure</translation>
    </message>
    <message>
        <source>µmoI/L</source>
        <extracomment>micromoles per litre, the l written as a capital I</extracomment>
        <translation>µmol/L</translation>
    </message>
    <message>
        <source>Coproporfirina (orina)</source>
        <translation>Coproporfirina (orina)</translation>
    </message>
    <message>
        <source>µg/24 hr</source>
        <translation>µg/24 h</translation>
    </message>
    <message>
        <source>nmol/d</source>
        <translation>nmol/d</translation>
    </message>
    <message>
        <source>Corticotropina [sustancia endógena]</source>
        <translation>Corticotropina [substància endògena]</translation>
    </message>
    <message>
        <source>Cortisol</source>
        <translation>Cortisol</translation>
    </message>
    <message>
        <source>Creatinea</source>
        <translation>Creatina</translation>
    </message>
    <message>
        <source>Creatina-cinasa</source>
        <translation>Creatina-cinasa</translation>
    </message>
    <message>
        <source>Creatinina</source>
        <translation>Creatinina</translation>
    </message>
    <message>
        <source>Depuración de creatininio</source>
        <translation>Aclariment de creatinina</translation>
    </message>
    <message>
        <source>mL/min</source>
        <translation>mL/min</translation>
    </message>
    <message>
        <source>mL/s</source>
        <translation>mL/s</translation>
    </message>
    <message>
        <source>Deshidroepiandrosterona</source>
        <translation>Deshidroepiandrosterona</translation>
    </message>
    <message>
        <source>ng/mL</source>
        <translation>ng/mL</translation>
    </message>
    <message>
        <source>Digoxina</source>
        <translation>Digoxina</translation>
    </message>
    <message>
        <source>Adrenalina [sustancia endógena]</source>
        <translation>Adrenalina [substància endògena]</translation>
    </message>
    <message>
        <source>Eritrosedimentación</source>
        <translation>Eritrosedimentació</translation>
    </message>
    <message>
        <source>mm/h</source>
        <translation>mm/h</translation>
    </message>
    <message>
        <source>Estradiol</source>
        <translation>Estradiol</translation>
    </message>
    <message>
        <source>Etanol</source>
        <translation>Etanol</translation>
    </message>
    <message>
        <source>Ferritina</source>
        <translation>Ferritina</translation>
    </message>
    <message>
        <source>Fibrinógeno</source>
        <translation>Fibrinogen</translation>
    </message>
    <message>
        <source>Folato</source>
        <translation>Folat</translation>
    </message>
    <message>
        <source>Folitropina</source>
        <translation>Fol·litropina</translation>
    </message>
    <message>
        <source>mIU/mL</source>
        <translation>mUI/mL</translation>
    </message>
    <message>
        <source>IU/L</source>
        <translation>UI/L</translation>
    </message>
    <message>
        <source>Fructosa</source>
        <translation>Fructosa</translation>
    </message>
    <message>
        <source>Galactosa</source>
        <translation>Galactosa</translation>
    </message>
    <message>
        <source>Glucagón</source>
        <translation>Glucagó</translation>
    </message>
    <message>
        <source>Glucosa</source>
        <translation>Glucosa</translation>
    </message>
    <message>
        <source>Glutamina</source>
        <translation>Glutamina</translation>
    </message>
    <message>
        <source>Glicohemoglobina</source>
        <translation>Glicohemoglobina</translation>
    </message>
    <message>
        <source>% del total de hemoglobina</source>
        <translation>% d&apos;hemoglobina total</translation>
    </message>
    <message>
        <source>propoción del total de hemoglobina</source>
        <translation>fracció de l&apos;Hb total</translation>
    </message>
    <message>
        <source>Glicina</source>
        <translation>Glicina</translation>
    </message>
    <message>
        <source>Hepatoglobina</source>
        <translation>Haptoglobina</translation>
    </message>
    <message>
        <source>Hemoglobina (concentración de masa)</source>
        <translation>Hemoglobina (concentració de massa)</translation>
    </message>
    <message>
        <source>Colesterol de HDL</source>
        <translation>Colesterol HDL</translation>
    </message>
    <message>
        <source>Histidina</source>
        <translation>Histidina</translation>
    </message>
    <message>
        <source>Coriogonadotropina [sustancia endógena]</source>
        <translation>Coriogonadotropina [substància endògena]</translation>
    </message>
    <message>
        <source>mlU/mL</source>
        <extracomment>milli-international units per millilitre, the I written as a lower-case l</extracomment>
        <translation>mUI/mL</translation>
    </message>
    <message>
        <source>Ácido 2-hidroxibutírico</source>
        <translation>Àcid 2-hidroxibutíric</translation>
    </message>
    <message>
        <source>Hidroxiprolina</source>
        <translation>Hidroxiprolina</translation>
    </message>
    <message>
        <source>Inmunoglobulina A</source>
        <translation>Immunoglobulina A</translation>
    </message>
    <message>
        <source>Inmunoglobulina D</source>
        <translation>Immunoglobulina D</translation>
    </message>
    <message>
        <source>Inmunoglobulina E</source>
        <translation>Immunoglobulina E</translation>
    </message>
    <message>
        <source>Inmunoglobulina G</source>
        <translation>Immunoglobulina G</translation>
    </message>
    <message>
        <source>Inmunoglobulina M</source>
        <translation>Immunoglobulina M</translation>
    </message>
    <message>
        <source>Insulina</source>
        <translation>Insulina</translation>
    </message>
    <message>
        <source>µIU/mL</source>
        <translation>µUI/mL</translation>
    </message>
    <message>
        <source>Hierro</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Lactato [Ácido láctico más ion lactato]</source>
        <translation>Lactat [àcid làctic més ió lactat]</translation>
    </message>
    <message>
        <source>Lactato-deshidrogenasa</source>
        <translation>Lactat-deshidrogenasa</translation>
    </message>
    <message>
        <source>Plomo</source>
        <translation>Plom</translation>
    </message>
    <message>
        <source>Leucina</source>
        <translation>Leucina</translation>
    </message>
    <message>
        <source>Triacilglicerol-lipasa</source>
        <translation>Triacilglicerol-lipasa</translation>
    </message>
    <message>
        <source>Lípidos</source>
        <translation>Lípids</translation>
    </message>
    <message>
        <source>Lipoproteína (a)</source>
        <translation>Lipoproteïna (a)</translation>
    </message>
    <message>
        <source>Litio</source>
        <translation>Liti</translation>
    </message>
    <message>
        <source>Colesterol de LDL</source>
        <translation>Colesterol LDL</translation>
    </message>
    <message>
        <source>Lutropina</source>
        <translation>Lutropina</translation>
    </message>
    <message>
        <source>lU/L</source>
        <extracomment>international units per litre, the I written as a lower-case l</extracomment>
        <translation>UI/L</translation>
    </message>
    <message>
        <source>Lisina</source>
        <translation>Lisina</translation>
    </message>
    <message>
        <source>Magnesio</source>
        <translation>Magnesi</translation>
    </message>
    <message>
        <source>Metanol</source>
        <translation>Metanol</translation>
    </message>
    <message>
        <source>Metahemoglobina</source>
        <translation>Metahemoglobina</translation>
    </message>
    <message>
        <source>proporción del total de hemoglobina</source>
        <translation>fracció de l&apos;Hb total</translation>
    </message>
    <message>
        <source>Metionina</source>
        <translation>Metionina</translation>
    </message>
    <message>
        <source>Mioglobina</source>
        <translation>Mioglobina</translation>
    </message>
    <message>
        <source>µg/L</source>
        <translation>µg/L</translation>
    </message>
    <message>
        <source>Noradrenalina [sustancia endógena]</source>
        <translation>Noradrenalina [substància endògena]</translation>
    </message>
    <message>
        <source>Ornitina</source>
        <translation>Ornitina</translation>
    </message>
    <message>
        <source>Osmolalidad</source>
        <translation>Osmolalitat</translation>
    </message>
    <message>
        <source>mOsm/kg</source>
        <translation>mOsm/kg</translation>
    </message>
    <message>
        <source>mmoI/kg</source>
        <extracomment>millimoles per kilogram, the l written as a capital I</extracomment>
        <translation>mmol/kg</translation>
    </message>
    <message>
        <source>Osteocalcina</source>
        <translation>Osteocalcina</translation>
    </message>
    <message>
        <source>Oxalato [ácido oxálico más ion oxalato]</source>
        <translation>Oxalat [àcid oxàlic més ió oxalat]</translation>
    </message>
    <message>
        <source>Paratirina</source>
        <translation>Paratirina</translation>
    </message>
    <message>
        <source>Fenobarbital</source>
        <translation>Fenobarbital</translation>
    </message>
    <message>
        <source>Fenilalanina</source>
        <translation>Fenilalanina</translation>
    </message>
    <message>
        <source>Fenitoína</source>
        <translation>Fenitoïna</translation>
    </message>
    <message>
        <source>Fósforo</source>
        <translation>Fòsfor</translation>
    </message>
    <message>
        <source>Potasio</source>
        <translation>Potassi</translation>
    </message>
    <message>
        <source>Progesterona</source>
        <translation>Progesterona</translation>
    </message>
    <message>
        <source>Prolactina</source>
        <translation>Prolactina</translation>
    </message>
    <message>
        <source>Prolina</source>
        <translation>Prolina</translation>
    </message>
    <message>
        <source>Proteína, total</source>
        <translation>Proteïna, total</translation>
    </message>
    <message>
        <source>Protrombina</source>
        <translation>Protrombina</translation>
    </message>
    <message>
        <source>µmol/L </source>
        <translation>µmol/L </translation>
    </message>
    <message>
        <source>Protoporfirina</source>
        <translation>Protoporfirina</translation>
    </message>
    <message>
        <source>Piruvato</source>
        <translation>Piruvat</translation>
    </message>
    <message>
        <source>Quinidina</source>
        <translation>Quinidina</translation>
    </message>
    <message>
        <source>Recuento de células rojas</source>
        <translation>Recompte d&apos;hematies</translation>
    </message>
    <message>
        <source>10^6/µL</source>
        <translation>10^6/µL</translation>
    </message>
    <message>
        <source>10^12/L</source>
        <translation>10^12/L</translation>
    </message>
    <message>
        <source>Renina</source>
        <translation>Renina</translation>
    </message>
    <message>
        <source>Recuento de Reticulocitos</source>
        <translation>Recompte de reticulòcits</translation>
    </message>
    <message>
        <source>% de RBCs</source>
        <extracomment>per cent of the red blood cells</extracomment>
        <translation>% d&apos;hematies</translation>
    </message>
    <message>
        <source>proporción de 1.0</source>
        <extracomment>a fraction of one: the count in SI units</extracomment>
        <translation>fracció d&apos;1.0</translation>
    </message>
    <message>
        <source>Salicilato [ácido salicílico más ion salicilato]</source>
        <translation>Salicilat [àcid salicílic més ió salicilat]</translation>
    </message>
    <message>
        <source>Serina</source>
        <translation>Serina</translation>
    </message>
    <message>
        <source>Sodio</source>
        <translation>Sodi</translation>
    </message>
    <message>
        <source>Somatomedina-C</source>
        <translation>Somatomedina C</translation>
    </message>
    <message>
        <source>Somatostatina</source>
        <translation>Somatostatina</translation>
    </message>
    <message>
        <source>Testosterona</source>
        <translation>Testosterona</translation>
    </message>
    <message>
        <source>Teofilina</source>
        <translation>Teofil·lina</translation>
    </message>
    <message>
        <source>Treonina</source>
        <translation>Treonina</translation>
    </message>
    <message>
        <source>Tirotropina</source>
        <translation>Tirotropina</translation>
    </message>
    <message>
        <source>mIU/L</source>
        <translation>mUI/L</translation>
    </message>
    <message>
        <source>Tiroxina libre (T4)</source>
        <translation>Tiroxina lliure (T4)</translation>
    </message>
    <message>
        <source>Tiroxina total (T4)</source>
        <translation>Tiroxina total (T4)</translation>
    </message>
    <message>
        <source>Transferrina</source>
        <translation>Transferrina</translation>
    </message>
    <message>
        <source>Triiodotironina libre (T3)</source>
        <translation>Triiodotironina lliure (T3)</translation>
    </message>
    <message>
        <source>pg/dL</source>
        <translation>pg/dL</translation>
    </message>
    <message>
        <source>Triiodotironina total (T3)</source>
        <translation>Triiodotironina total (T3)</translation>
    </message>
    <message>
        <source>troponina T</source>
        <translation>Troponina T</translation>
    </message>
    <message>
        <source>Triptófano</source>
        <translation>Triptòfan</translation>
    </message>
    <message>
        <source>Tirosina</source>
        <translation>Tirosina</translation>
    </message>
    <message>
        <source>Nitrógeno ureico</source>
        <translation>Nitrogen ureic</translation>
    </message>
    <message>
        <source>Ácido úrico</source>
        <translation>Àcid úric</translation>
    </message>
    <message>
        <source>Valina</source>
        <translation>Valina</translation>
    </message>
    <message>
        <source>Vitamina A (retinol)</source>
        <translation>Vitamina A (retinol)</translation>
    </message>
    <message>
        <source>Vitamina B6 (piridoxal-5&apos;-fosfato)</source>
        <translation>Vitamina B6 (piridoxal-5&apos;-fosfat)</translation>
    </message>
    <message>
        <source>Vitamin B12 (cianocobalamina)</source>
        <translation>Vitamina B12 (cianocobalamina)</translation>
    </message>
    <message>
        <source>Vitamina C (ácido ascórbico)</source>
        <translation>Vitamina C (àcid ascòrbic)</translation>
    </message>
    <message>
        <source>Vitamina E (tocoferol)</source>
        <translation>Vitamina E (tocoferol)</translation>
    </message>
    <message>
        <source>Vitamina K</source>
        <translation>Vitamina K</translation>
    </message>
    <message>
        <source>Recuento de células blancas</source>
        <translation>Recompte de leucòcits</translation>
    </message>
    <message>
        <source>10^3/µL</source>
        <translation>10^3/µL</translation>
    </message>
    <message>
        <source>10^9/L</source>
        <translation>10^9/L</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinc</translation>
    </message>
    <message>
        <source>Unidades de datos clínicos</source>
        <translation>Unitats de dades clíniques</translation>
    </message>
    <message>
        <source>Unidad Común</source>
        <translation>Unitat convencional</translation>
    </message>
    <message>
        <source>Unidad SI</source>
        <translation>Unitat SI</translation>
    </message>
    <message>
        <source>Advertencia</source>
        <translation>Advertència</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Componente</source>
        <translation>Component</translation>
    </message>
    <message>
        <source>Component</source>
        <extracomment>the heading of the column that keeps the analytes&apos; English names in every language</extracomment>
        <translation>Nom en anglès</translation>
    </message>
    <message>
        <source>Error en la conversión.
Este componente no tiene una conversión asociada.</source>
        <translation>Error en la conversió.
Aquest component no té cap conversió associada.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 no es un número válido.</source>
        <extracomment>%1 is what the user typed</extracomment>
        <translation>%1 no és un nombre vàlid.</translation>
    </message>
    <message>
        <source>Error de conversión</source>
        <translation>Error de conversió</translation>
    </message>
    <message>
        <source>Mensaje de Windows:</source>
        <translation>Missatge de Windows:</translation>
    </message>
    <message>
        <source>Como con cualquier otro software, verifique los datos
y los resultados de los procesos antes de aplicarlos;
en particular si se trata de cuestiones de salud.</source>
        <translation>Com amb qualsevol altre programari, verifiqueu les dades
i els resultats dels càlculs abans d&apos;aplicar-los,
sobretot si es tracta de qüestions de salut.</translation>
    </message>
</context>
<context>
    <name>TFormDatos</name>
    <message>
        <source>bit (b)</source>
        <translation>bit (b)</translation>
    </message>
    <message>
        <source>nibble (nb)</source>
        <extracomment>four bits</extracomment>
        <translation>nibble (nb)</translation>
    </message>
    <message>
        <source>Byte (B)</source>
        <translation>Byte (B)</translation>
    </message>
    <message>
        <source>word (w)</source>
        <extracomment>sixteen bits</extracomment>
        <translation>word (w)</translation>
    </message>
    <message>
        <source>double word (dword)</source>
        <extracomment>thirty-two bits</extracomment>
        <translation>double word (dword)</translation>
    </message>
    <message>
        <source>block (blk)</source>
        <extracomment>a block of 512 bytes</extracomment>
        <translation>block (blk)</translation>
    </message>
    <message>
        <source>kilobit (Kb)</source>
        <extracomment>1024 bits (the binary multiples are written with capitals: Kb, kB, Mb...)</extracomment>
        <translation>kilobit (Kb)</translation>
    </message>
    <message>
        <source>kiloByte (kB)</source>
        <translation>kiloByte (kB)</translation>
    </message>
    <message>
        <source>megabit (Mb)</source>
        <translation>megabit (Mb)</translation>
    </message>
    <message>
        <source>megaByte (MB)</source>
        <translation>megaByte (MB)</translation>
    </message>
    <message>
        <source>gigabit (Gb)</source>
        <translation>gigabit (Gb)</translation>
    </message>
    <message>
        <source>gigaByte (GB)</source>
        <translation>gigaByte (GB)</translation>
    </message>
    <message>
        <source>terabit (Tb)</source>
        <translation>terabit (Tb)</translation>
    </message>
    <message>
        <source>teraByte (TB)</source>
        <translation>teraByte (TB)</translation>
    </message>
    <message>
        <source>kilobit (kb)</source>
        <extracomment>1000 bits (the SI multiples)</extracomment>
        <translation>kilobit (kb)</translation>
    </message>
    <message>
        <source> Datos</source>
        <extracomment>the window&apos;s title (leading blank kept): units of digital information</extracomment>
        <translation> Dades</translation>
    </message>
    <message>
        <source> SI </source>
        <extracomment>caption of the box of decimal multiples: the abbreviation of the International System of Units (blanks kept)</extracomment>
        <translation> SI </translation>
    </message>
    <message>
        <source>Sistema Internacional</source>
        <extracomment>tooltip of the SI box: the International System of Units</extracomment>
        <translation>Sistema Internacional d&apos;Unitats</translation>
    </message>
    <message>
        <source>Son muchos bits...!</source>
        <extracomment>a number too large was typed: &quot;that&apos;s a lot of bits...!&quot;</extracomment>
        <translation>Són molts bits...!</translation>
    </message>
    <message>
        <source>Epa!</source>
        <extracomment>caption of a warning box: an exclamation of surprise</extracomment>
        <translation>Ep!</translation>
    </message>
</context>
<context>
    <name>TFormDensidad</name>
    <message>
        <source>kilogramo/metro</source>
        <extracomment>a raised 3 follows: kilogram per cubic metre (so for every unit of this window that ends in a length)</extracomment>
        <translation>quilogram/metre</translation>
    </message>
    <message>
        <source>libra/yarda</source>
        <translation>lliura/iarda</translation>
    </message>
    <message>
        <source>kilogramo/litro</source>
        <translation>quilogram/litre</translation>
    </message>
    <message>
        <source>gramo/centímetro</source>
        <translation>gram/centímetre</translation>
    </message>
    <message>
        <source>gramo/litro</source>
        <translation>gram/litre</translation>
    </message>
    <message>
        <source>slug/pulgada</source>
        <translation>slug/polzada</translation>
    </message>
    <message>
        <source>slug/pie</source>
        <translation>slug/peu</translation>
    </message>
    <message>
        <source>slug/yarda</source>
        <translation>slug/iarda</translation>
    </message>
    <message>
        <source>libra/galón (EE.UU. líq)</source>
        <extracomment>pound per US liquid gallon</extracomment>
        <translation>lliura/galó (EUA líq)</translation>
    </message>
    <message>
        <source>libra/galón (G.B. líq)</source>
        <extracomment>pound per imperial (British) liquid gallon</extracomment>
        <translation>lliura/galó (G.B. líq)</translation>
    </message>
    <message>
        <source>libra/pulgada</source>
        <translation>lliura/polzada</translation>
    </message>
    <message>
        <source>libra/pie</source>
        <translation>lliura/peu</translation>
    </message>
    <message>
        <source>onza/pulgada</source>
        <translation>unça/polzada</translation>
    </message>
    <message>
        <source>onza/pie</source>
        <translation>unça/peu</translation>
    </message>
    <message>
        <source>onza/galón (EE.UU. líq)</source>
        <extracomment>ounce per US liquid gallon</extracomment>
        <translation>unça/galó (EUA líq)</translation>
    </message>
    <message>
        <source>Unidades de densidad</source>
        <translation>Unitats de densitat</translation>
    </message>
    <message>
        <source>Ohhh...</source>
        <extracomment>caption of a box: an exclamation</extracomment>
        <translation>Ohhh...</translation>
    </message>
    <message>
        <source>%1 es todo un numerito!</source>
        <extracomment>%1 is the number typed: &quot;%1 is quite a number!&quot;</extracomment>
        <translation>%1 és tot un numeret!</translation>
    </message>
</context>
<context>
    <name>TFormDivisaPropia</name>
    <message>
        <source>Añadir divisa</source>
        <translation>Afegeix una divisa</translation>
    </message>
    <message>
        <source>Añadir</source>
        <translation>Afegeix</translation>
    </message>
    <message>
        <source>Modificar divisa</source>
        <translation>Modifica una divisa</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Quitar</source>
        <translation>Treu</translation>
    </message>
    <message>
        <source>Código (ISO 4217):</source>
        <translation>Codi (ISO 4217):</translation>
    </message>
    <message>
        <source>Divisa:</source>
        <translation>Divisa:</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nom:</translation>
    </message>
    <message>
        <source>Unidades por euro:</source>
        <translation>Unitats per euro:</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Divisa</source>
        <translation>Divisa</translation>
    </message>
    <message>
        <source>El código de una divisa son tres letras, como ARS o CLP.</source>
        <translation>El codi d&apos;una divisa són tres lletres, com ARS o CLP.</translation>
    </message>
    <message>
        <source>%1 ya está en la lista de divisas.</source>
        <translation>%1 ja és a la llista de divises.</translation>
    </message>
    <message>
        <source>Escriba el nombre de la divisa.</source>
        <translation>Escriviu el nom de la divisa.</translation>
    </message>
    <message>
        <source>Escriba cuántas unidades de la divisa vale un euro: un número entre 0%1 y 1000000000000.</source>
        <extracomment>0%1 is 0,000001 (or 0.000001), with the user&apos;s decimal separator</extracomment>
        <translation>Escriviu quantes unitats de la divisa val un euro: un nombre entre 0%1 i 1000000000000.</translation>
    </message>
    <message>
        <source>¿Quitar %1 de sus divisas?</source>
        <extracomment>%1 the currency&apos;s name and code: &quot;peso argentino [ARS]&quot;</extracomment>
        <translation>Voleu treure %1 de les vostres divises?</translation>
    </message>
</context>
<context>
    <name>TFormDivisas</name>
    <message>
        <source>Divisas</source>
        <translation>Divises</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Actualitza</translation>
    </message>
    <message>
        <source>Añadir divisa...</source>
        <translation>Afegeix una divisa...</translation>
    </message>
    <message>
        <source>Modificar divisa...</source>
        <translation>Modifica una divisa...</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Fecha:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Fecha de los tipos</source>
        <translation>Data dels tipus</translation>
    </message>
    <message>
        <source>propia, %1</source>
        <extracomment>beside a currency of the user&apos;s own: the day it was entered</extracomment>
        <translation>pròpia, %1</translation>
    </message>
    <message>
        <source>Divisa propia: 1 EUR = %1 %2, introducida el %3</source>
        <extracomment>%1 the rate, %2 the currency&apos;s code, %3 the date it was entered (&quot;9 de diciembre de 2026&quot;)</extracomment>
        <translation>Divisa pròpia: 1 EUR = %1 %2, introduïda el dia %3</translation>
    </message>
    <message>
        <source>El importe es demasiado grande para una de las divisas: se ha dejado vacía.</source>
        <translation>L&apos;import és massa gran per a una de les divises: s&apos;ha deixat buida.</translation>
    </message>
    <message>
        <source>El importe es demasiado grande para %1 divisas: se han dejado vacías.</source>
        <translation>L&apos;import és massa gran per a %1 divises: s&apos;han deixat buides.</translation>
    </message>
    <message>
        <source>descarga rechazada: %1</source>
        <translation>baixada rebutjada: %1</translation>
    </message>
    <message>
        <source>Tipos de referencia del BCE del %1</source>
        <comment>a date with its weekday</comment>
        <extracomment>%1 the date with its weekday (&quot;viernes 30 de diciembre de 2022&quot;)</extracomment>
        <translation>Tipus de referència del BCE del %1</translation>
    </message>
    <message>
        <source>Tipos de referencia del BCE del %1 (el %2 no hubo publicación)</source>
        <extracomment>%1 the date of the rates with its weekday (&quot;viernes 30 de diciembre de 2022&quot;); %2 the day chosen: &quot;31&quot; when in the same month, &quot;1 de enero&quot; in the same year, else the whole date</extracomment>
        <translation>Tipus de referència del BCE del %1 (el dia %2 no hi va haver publicació)</translation>
    </message>
    <message>
        <source>Sin tipos de cambio del BCE</source>
        <translation>Sense tipus de canvi del BCE</translation>
    </message>
    <message>
        <source>Tipos de referencia del BCE del %1 (hace %2 días)</source>
        <extracomment>%1 the date of the rates (&quot;4 de diciembre de 2026&quot;); %2 how many days ago, more than 7</extracomment>
        <translation>Tipus de referència del BCE del dia %1 (fa %2 dies)</translation>
    </message>
    <message>
        <source>Tipos de referencia del BCE del %1</source>
        <extracomment>%1 the date of the rates (&quot;4 de diciembre de 2026&quot;)</extracomment>
        <translation>Tipus de referència del BCE del dia %1</translation>
    </message>
    <message>
        <source>Tipos del BCE del %1</source>
        <extracomment>under the desktop search&apos;s answers; %1 the date of the rates (&quot;4 de diciembre de 2026&quot;)</extracomment>
        <translation>Tipus del BCE del dia %1</translation>
    </message>
    <message>
        <source>actualizando...</source>
        <translation>s&apos;està actualitzant...</translation>
    </message>
    <message>
        <source>cargando los tipos de otros días...</source>
        <translation>s&apos;estan carregant els tipus d&apos;altres dies...</translation>
    </message>
    <message>
        <source>Pulse «Actualizar» o use Divisas &gt; Conversor &quot;on-line&quot;</source>
        <extracomment>«Actualizar» is this window&apos;s button; Divisas &gt; Conversor &quot;on-line&quot; the main menu&apos;s item</extracomment>
        <translation>Premeu «Actualitza» o useu Divises &gt; Conversor en línia</translation>
    </message>
    <message>
        <source>no hay tipos de días futuros</source>
        <translation>no hi ha tipus de dies futurs</translation>
    </message>
    <message>
        <source>no hay tipos del BCE antes del 4 de enero de 1999</source>
        <translation>no hi ha tipus del BCE abans del 4 de gener de 1999</translation>
    </message>
    <message>
        <source>el histórico no tiene ese día</source>
        <translation>l&apos;historial no té aquest dia</translation>
    </message>
    <message>
        <source>Ya tiene %1 divisas propias, las que caben. Quite alguna («Modificar divisa...») para añadir otra.</source>
        <translation>Ja teniu %1 divises pròpies, les que hi caben. Traieu-ne alguna («Modifica una divisa...») per afegir-ne una altra.</translation>
    </message>
</context>
<context>
    <name>TFormEnergia</name>
    <message>
        <source>Coulomb.Volt</source>
        <extracomment>coulomb times volt; a dot joins the units of a product in this window</extracomment>
        <translation>Coulomb.Volt</translation>
    </message>
    <message>
        <source>ergio</source>
        <extracomment>the erg</extracomment>
        <translation>erg</translation>
    </message>
    <message>
        <source>kwatt.hora</source>
        <extracomment>kilowatt-hour</extracomment>
        <translation>kwatt.hora</translation>
    </message>
    <message>
        <source>Watt.hora</source>
        <translation>Watt.hora</translation>
    </message>
    <message>
        <source>electrón.Volt</source>
        <translation>electró.Volt</translation>
    </message>
    <message>
        <source>Mega eV</source>
        <extracomment>mega-electronvolt</extracomment>
        <translation>Mega eV</translation>
    </message>
    <message>
        <source>Rydberg</source>
        <translation>Rydberg</translation>
    </message>
    <message>
        <source>Newton.metro</source>
        <translation>Newton.metre</translation>
    </message>
    <message>
        <source>kg.m</source>
        <extracomment>kilogram-force metre</extracomment>
        <translation>kg.m</translation>
    </message>
    <message>
        <source>HP.hora</source>
        <extracomment>horsepower-hour</extracomment>
        <translation>HP.hora</translation>
    </message>
    <message>
        <source>HP.hora (métr)</source>
        <extracomment>metric horsepower-hour</extracomment>
        <translation>HP.hora (mètr)</translation>
    </message>
    <message>
        <source>libra.pie</source>
        <extracomment>foot-pound (force)</extracomment>
        <translation>lliura.peu</translation>
    </message>
    <message>
        <source>libra.pulgada</source>
        <translation>lliura.polzada</translation>
    </message>
    <message>
        <source>atm.cm</source>
        <extracomment>a raised 3 follows: atmosphere times cubic centimetre</extracomment>
        <translation>atm.cm</translation>
    </message>
    <message>
        <source>atm.pie</source>
        <extracomment>a raised 3 follows: atmosphere times cubic foot</extracomment>
        <translation>atm.peu</translation>
    </message>
    <message>
        <source>caloría (15 C)</source>
        <extracomment>the 15 °C calorie</extracomment>
        <translation>caloria (15 C)</translation>
    </message>
    <message>
        <source>kilocal (15 C)</source>
        <translation>quilocal (15 C)</translation>
    </message>
    <message>
        <source>BTU (ISO)</source>
        <translation>BTU (ISO)</translation>
    </message>
    <message>
        <source>therm (EEG)</source>
        <extracomment>the therm of the European Economic Community (EEG, its German abbreviation)</extracomment>
        <translation>therm (CEE)</translation>
    </message>
    <message>
        <source>therm (US)</source>
        <translation>therm (EUA)</translation>
    </message>
    <message>
        <source>Celsius</source>
        <extracomment>the Celsius heat unit (1899.18 J), not the temperature scale</extracomment>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>bboe</source>
        <extracomment>symbol of the barrel of oil equivalent</extracomment>
        <translation>bboe</translation>
    </message>
    <message>
        <source>barril de petróleo equivalente</source>
        <translation>barril equivalent de petroli</translation>
    </message>
    <message>
        <source>toe</source>
        <extracomment>symbol of the tonne of oil equivalent</extracomment>
        <translation>toe</translation>
    </message>
    <message>
        <source>tonelada de petróleo equivalente</source>
        <translation>tona equivalent de petroli</translation>
    </message>
    <message>
        <source>tce</source>
        <extracomment>symbol of the tonne of coal equivalent</extracomment>
        <translation>tce</translation>
    </message>
    <message>
        <source>tonelada de carbón equivalente</source>
        <translation>tona equivalent de carbó</translation>
    </message>
    <message>
        <source>ton TNT equiv.</source>
        <extracomment>ton of TNT equivalent</extracomment>
        <translation>tona TNT equiv.</translation>
    </message>
    <message>
        <source>acción</source>
        <extracomment>an atomic unit of energy, 4.35975E-18 J</extracomment>
        <translation>acció</translation>
    </message>
    <message>
        <source>gramo masa</source>
        <extracomment>the energy of one gram of mass</extracomment>
        <translation>gram massa</translation>
    </message>
    <message>
        <source>según E=mC^2</source>
        <extracomment>tooltip of the gram of mass (the formula stays as it is)</extracomment>
        <translation>segons E=mC^2</translation>
    </message>
    <message>
        <source>quad</source>
        <extracomment>the quad, 1E15 BTU</extracomment>
        <translation>quad</translation>
    </message>
    <message>
        <source>cuadrillón (1E15 BTU)</source>
        <extracomment>tooltip of the quad: 1E15 BTU</extracomment>
        <translation>mil bilions (1E15 BTU)</translation>
    </message>
    <message>
        <source>Unidades de energía - trabajo - cant. de calor</source>
        <extracomment>the window&apos;s title: units of energy, work and quantity of heat</extracomment>
        <translation>Unitats d&apos;energia - treball - quant. de calor</translation>
    </message>
    <message>
        <source>Joule</source>
        <extracomment>the joule, the window&apos;s base unit</extracomment>
        <translation>Joule</translation>
    </message>
    <message>
        <source>¿Dónde quieres llegar hoy...?</source>
        <extracomment>a number too large was typed: &quot;how far do you want to go today...?&quot;</extracomment>
        <translation>Fins on vols arribar avui...?</translation>
    </message>
    <message>
        <source>No será mucho...?</source>
        <extracomment>caption of a warning box: &quot;isn&apos;t that a bit much...?&quot;</extracomment>
        <translation>No serà massa...?</translation>
    </message>
</context>
<context>
    <name>TFormGraf</name>
    <message>
        <source>punto</source>
        <translation>punt</translation>
    </message>
    <message>
        <source>carácter</source>
        <translation>caràcter</translation>
    </message>
    <message>
        <source>milímetro</source>
        <translation>mil·límetre</translation>
    </message>
    <message>
        <source>centímetro</source>
        <translation>centímetre</translation>
    </message>
    <message>
        <source>pulgada</source>
        <translation>polzada</translation>
    </message>
    <message>
        <source>pixel</source>
        <translation>píxel</translation>
    </message>
    <message>
        <source>Unidades gráficas</source>
        <translation>Unitats gràfiques</translation>
    </message>
    <message>
        <source>twip</source>
        <translation>twip</translation>
    </message>
    <message>
        <source>regla de píxeles</source>
        <translation>regle de píxels</translation>
    </message>
</context>
<context>
    <name>TFormHierros</name>
    <message>
        <source>Barras de acero</source>
        <translation>Barres d&apos;acer</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Barras de acero corrugado para hormigón armado.</source>
        <translation>Barres d&apos;acer corrugat per a formigó armat.</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Pes</translation>
    </message>
    <message>
        <source>Sección en cm² según número de barras</source>
        <translation>Secció en cm² segons el nombre de barres</translation>
    </message>
    <message>
        <source>Peso kg/m</source>
        <translation>Pes kg/m</translation>
    </message>
    <message>
        <source>Sección en cm² de %1 barra</source>
        <translation>Secció en cm² d&apos;%1 barra</translation>
    </message>
    <message>
        <source>Sección en cm² de %1 barras</source>
        <translation>Secció en cm² de %1 barres</translation>
    </message>
</context>
<context>
    <name>TFormLetras</name>
    <message>
        <source> Tarvel - números y letras</source>
        <translation> Tarvel - nombres en lletres (castellà)</translation>
    </message>
    <message>
        <source>Copiar al portapapeles</source>
        <translation>Copia al porta-retalls</translation>
    </message>
    <message>
        <source>Números:</source>
        <translation>Xifres:</translation>
    </message>
    <message>
        <source>Letras:</source>
        <translation>En lletres (castellà):</translation>
    </message>
    <message>
        <source>Otros idiomas...</source>
        <translation>Altres idiomes...</translation>
    </message>
</context>
<context>
    <name>TFormMallas</name>
    <message>
        <source>Mallas</source>
        <translation>Malles</translation>
    </message>
    <message>
        <source>MALLA TEÓRICA.</source>
        <translation>MALLA TEÒRICA.</translation>
    </message>
    <message>
        <source>Peso por metro cuadrado y sección de acero por metro lineal de las diferentes mallas teóricas</source>
        <translation>Pes per metre quadrat i secció d&apos;acer per metre lineal de les diferents malles teòriques</translation>
    </message>
    <message>
        <source>Lado A:</source>
        <translation>Costat A:</translation>
    </message>
    <message>
        <source>Diámetros:</source>
        <translation>Diàmetres:</translation>
    </message>
    <message>
        <source>Lado B:</source>
        <translation>Costat B:</translation>
    </message>
    <message>
        <source>Sección (cm²/m)</source>
        <translation>Secció (cm²/m)</translation>
    </message>
    <message>
        <source>Peso ( kg/m² )  = </source>
        <translation>Pes ( kg/m² )  = </translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
</context>
<context>
    <name>TFormMasa</name>
    <message>
        <source>kilogramo</source>
        <translation>quilogram</translation>
    </message>
    <message>
        <source>tonelada</source>
        <translation>tona</translation>
    </message>
    <message>
        <source>gramo</source>
        <translation>gram</translation>
    </message>
    <message>
        <source>unidad MKpS</source>
        <extracomment>the technical unit of mass of the metre-kilopond-second system (9.80665 kg)</extracomment>
        <translation>unitat MKpS</translation>
    </message>
    <message>
        <source>uma - C12</source>
        <extracomment>atomic mass unit on the carbon-12 scale (so on the oxygen-16 and hydrogen-1 scales below)</extracomment>
        <translation>uma - C12</translation>
    </message>
    <message>
        <source>uma - O16</source>
        <translation>uma - O16</translation>
    </message>
    <message>
        <source>uma - H1</source>
        <translation>uma - H1</translation>
    </message>
    <message>
        <source>avogramo</source>
        <extracomment>the avogram</extracomment>
        <translation>avogram</translation>
    </message>
    <message>
        <source>tonelada larga</source>
        <extracomment>long ton (2240 lb)</extracomment>
        <translation>tona llarga</translation>
    </message>
    <message>
        <source>tonelada corta</source>
        <extracomment>short ton (2000 lb)</extracomment>
        <translation>tona curta</translation>
    </message>
    <message>
        <source>gross cwt</source>
        <extracomment>the long (British) hundredweight, 112 lb</extracomment>
        <translation>gross cwt</translation>
    </message>
    <message>
        <source>net cwt</source>
        <extracomment>the short (US) hundredweight, 100 lb</extracomment>
        <translation>net cwt</translation>
    </message>
    <message>
        <source>slug</source>
        <translation>slug</translation>
    </message>
    <message>
        <source>hyl</source>
        <extracomment>the hyl, the metric slug (9.80665 kg)</extracomment>
        <translation>hyl</translation>
    </message>
    <message>
        <source>lb avoird.</source>
        <extracomment>avoirdupois pound</extracomment>
        <translation>lb avoird.</translation>
    </message>
    <message>
        <source>lb apot. o troy</source>
        <extracomment>apothecaries&apos; or troy pound</extracomment>
        <translation>lb apot. o troy</translation>
    </message>
    <message>
        <source>oz apot. o troy</source>
        <extracomment>apothecaries&apos; or troy ounce</extracomment>
        <translation>oz apot. o troy</translation>
    </message>
    <message>
        <source>oz avoird.</source>
        <extracomment>avoirdupois ounce</extracomment>
        <translation>oz avoird.</translation>
    </message>
    <message>
        <source>dram apot.</source>
        <extracomment>apothecaries&apos; dram</extracomment>
        <translation>dracma apot.</translation>
    </message>
    <message>
        <source>dram avoird.</source>
        <extracomment>avoirdupois dram</extracomment>
        <translation>dracma avoird.</translation>
    </message>
    <message>
        <source>pennyweight</source>
        <translation>pennyweight</translation>
    </message>
    <message>
        <source>scruple apot.</source>
        <extracomment>apothecaries&apos; scruple</extracomment>
        <translation>escrúpol apot.</translation>
    </message>
    <message>
        <source>carat troy</source>
        <extracomment>troy carat</extracomment>
        <translation>quirat troy</translation>
    </message>
    <message>
        <source>grano</source>
        <extracomment>the grain</extracomment>
        <translation>gra</translation>
    </message>
    <message>
        <source>miligramo</source>
        <translation>mil·ligram</translation>
    </message>
    <message>
        <source>wey</source>
        <extracomment>an old British unit of weight, as are truss and stone</extracomment>
        <translation>wey</translation>
    </message>
    <message>
        <source>truss</source>
        <translation>truss</translation>
    </message>
    <message>
        <source>stone</source>
        <translation>stone</translation>
    </message>
    <message>
        <source>Unidades de masa</source>
        <translation>Unitats de massa</translation>
    </message>
    <message>
        <source>Ohhhh!</source>
        <extracomment>caption of a box: an exclamation</extracomment>
        <translation>Ohhhh!</translation>
    </message>
    <message>
        <source>No puedo procesar este numerito...
¿probamos con otro?</source>
        <extracomment>&quot;I can&apos;t process this little number... shall we try another one?&quot;</extracomment>
        <translation>No puc processar aquest numeret...
en provem un altre?</translation>
    </message>
</context>
<context>
    <name>TFormPersonalizar</name>
    <message>
        <source>Cómo personalizar...</source>
        <translation>Com personalitzar...</translation>
    </message>
    <message>
        <source>Atrás</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Adelante</source>
        <translation>Endavant</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Actualitza</translation>
    </message>
    <message>
        <source>Guardar como...</source>
        <translation>Anomena i desa...</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Imprimeix</translation>
    </message>
</context>
<context>
    <name>TFormPeso</name>
    <message>
        <source>tonelada [t]</source>
        <translation>tona [t]</translation>
    </message>
    <message>
        <source>kilogramo [kg]</source>
        <translation>quilogram [kg]</translation>
    </message>
    <message>
        <source>miligramo [mg]</source>
        <translation>mil·ligram [mg]</translation>
    </message>
    <message>
        <source>onza troy</source>
        <translation>unça troy</translation>
    </message>
    <message>
        <source>libra troy</source>
        <translation>lliura troy</translation>
    </message>
    <message>
        <source>libra av.[lb]</source>
        <extracomment>avoirdupois pound</extracomment>
        <translation>lliura av. [lb]</translation>
    </message>
    <message>
        <source>decanewton [dN]</source>
        <extracomment>the decanewton, with the symbol the Spanish text gives it</extracomment>
        <translation>decanewton [dN]</translation>
    </message>
    <message>
        <source>Newton [N]</source>
        <translation>newton [N]</translation>
    </message>
    <message>
        <source>dina [dyn]</source>
        <translation>dina [dyn]</translation>
    </message>
    <message>
        <source>grano [gr]</source>
        <extracomment>the grain</extracomment>
        <translation>gra [gr]</translation>
    </message>
    <message>
        <source>onza [oz]</source>
        <translation>unça [oz]</translation>
    </message>
    <message>
        <source>arroba</source>
        <extracomment>the arroba, an old Spanish unit of weight (here 28 lb)</extracomment>
        <translation>arrova</translation>
    </message>
    <message>
        <source>quintal</source>
        <extracomment>the quintal, an old Spanish unit of weight (here 116 lb)</extracomment>
        <translation>quintar</translation>
    </message>
    <message>
        <source>tonelada corta [short ton]</source>
        <translation>tona curta [short ton]</translation>
    </message>
    <message>
        <source>tonelada larga [long ton]</source>
        <translation>tona llarga [long ton]</translation>
    </message>
    <message>
        <source>gramo [g]</source>
        <translation>gram [g]</translation>
    </message>
    <message>
        <source>Unidades de Peso</source>
        <extracomment>the window&apos;s title: units of weight and force</extracomment>
        <translation>Unitats de pes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; Es un número demasiado grande para poner aquí.
Prueba con uno menor.
Gracias.</source>
        <extracomment>%1 is the number typed, between quotation marks</extracomment>
        <translation>&quot;%1&quot; és un nombre massa gran per posar-lo aquí.
Prova&apos;n un de més petit.
Gràcies.</translation>
    </message>
    <message>
        <source>Muy pesado...</source>
        <extracomment>caption of a warning box: &quot;too heavy...&quot;</extracomment>
        <translation>Massa pesat...</translation>
    </message>
    <message>
        <source>&quot;%1&quot;
no es un número válido.</source>
        <extracomment>%1 is the text typed, between quotation marks</extracomment>
        <translation>&quot;%1&quot;
no és un nombre vàlid.</translation>
    </message>
    <message>
        <source>Oh oh!</source>
        <extracomment>caption of an error box: an exclamation</extracomment>
        <translation>Ai, ai!</translation>
    </message>
    <message>
        <source>Es mucho...</source>
        <extracomment>caption of a warning box: &quot;that&apos;s a lot...&quot;</extracomment>
        <translation>És molt...</translation>
    </message>
    <message>
        <source>¿Dónde quieres llegar hoy...?</source>
        <extracomment>a number too large was typed: &quot;how far do you want to go today...?&quot;</extracomment>
        <translation>Fins on vols arribar avui...?</translation>
    </message>
</context>
<context>
    <name>TFormPie</name>
    <message>
        <source>pie</source>
        <extracomment>the caption of the window&apos;s message boxes: the unit foot</extracomment>
        <translation>peu</translation>
    </message>
    <message>
        <source>metros</source>
        <translation>metres</translation>
    </message>
    <message>
        <source>&apos; a m </source>
        <extracomment>a button: from feet (&apos;) to metres</extracomment>
        <translation>&apos; a m </translation>
    </message>
    <message>
        <source> m a &apos;</source>
        <extracomment>a button: from metres to feet (&apos;)</extracomment>
        <translation> m a &apos;</translation>
    </message>
    <message>
        <source>Convertir a metro</source>
        <translation>Converteix a metres</translation>
    </message>
    <message>
        <source>centímetros</source>
        <translation>centímetres</translation>
    </message>
    <message>
        <source>&apos; a cm</source>
        <extracomment>a button: from feet (&apos;) to centimetres</extracomment>
        <translation>&apos; a cm</translation>
    </message>
    <message>
        <source>cm a &apos;</source>
        <extracomment>a button: from centimetres to feet (&apos;)</extracomment>
        <translation>cm a &apos;</translation>
    </message>
    <message>
        <source>Convertir a centímetro</source>
        <translation>Converteix a centímetres</translation>
    </message>
    <message>
        <source>milímetros</source>
        <translation>mil·límetres</translation>
    </message>
    <message>
        <source>&apos; a mm</source>
        <extracomment>a button: from feet (&apos;) to millimetres</extracomment>
        <translation>&apos; a mm</translation>
    </message>
    <message>
        <source>mm a &apos;</source>
        <extracomment>a button: from millimetres to feet (&apos;)</extracomment>
        <translation>mm a &apos;</translation>
    </message>
    <message>
        <source>Convertir a milímetro</source>
        <translation>Converteix a mil·límetres</translation>
    </message>
    <message>
        <source> Pies &lt;--&gt; centímetros</source>
        <translation> Peus &lt;--&gt; centímetres</translation>
    </message>
    <message>
        <source>Ajustar a:</source>
        <translation>Ajusta a:</translation>
    </message>
    <message>
        <source>decimales</source>
        <translation>decimals</translation>
    </message>
    <message>
        <source>pulgada</source>
        <translation>polzada</translation>
    </message>
    <message>
        <source>Convertir a centímetros</source>
        <translation>Converteix a centímetres</translation>
    </message>
    <message>
        <source>Convertir a pies</source>
        <translation>Converteix a peus</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Pies</source>
        <translation>Peus</translation>
    </message>
    <message>
        <source>Pulgadas</source>
        <translation>Polzades</translation>
    </message>
    <message>
        <source>Centímetros</source>
        <translation>Centímetres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no es un número válido.</source>
        <translation>&quot;%1&quot; no és un nombre vàlid.</translation>
    </message>
    <message>
        <source>%1 es demasiado para mi...</source>
        <translation>%1 és massa per a mi...</translation>
    </message>
    <message>
        <source>%1 son demasiados pies para convertiren pies, pulgadas y fracción.
Puede convertirlos a número decimal</source>
        <translation>%1 són massa peus per convertir-los en peus, polzades i fracció.
Podeu convertir-los a nombre decimal</translation>
    </message>
    <message>
        <source>La precisión actual es decimal.
Los botones &quot;Ant&quot; y &quot;Sig&quot; dan la medida anterior y siguiente, sólo cuando se indica la precisión como fracción de pulgada: 1/2, 1/4, 1/8, 1/16, 1/32 ó 1/64</source>
        <translation>La precisió actual és decimal.
Els botons &quot;Ant&quot; i &quot;Seg&quot; donen la mesura anterior i la següent només quan s&apos;indica la precisió com a fracció de polzada: 1/2, 1/4, 1/8, 1/16, 1/32 o 1/64</translation>
    </message>
</context>
<context>
    <name>TFormPotencia</name>
    <message>
        <source>atm.cm³/hora</source>
        <extracomment>atmosphere times cubic centimetre, per hour</extracomment>
        <translation>atm.cm³/hora</translation>
    </message>
    <message>
        <source>kwatt</source>
        <extracomment>kilowatt</extracomment>
        <translation>kwatt</translation>
    </message>
    <message>
        <source>Mwatt</source>
        <extracomment>megawatt</extracomment>
        <translation>Mwatt</translation>
    </message>
    <message>
        <source>Joule/hora</source>
        <translation>Joule/hora</translation>
    </message>
    <message>
        <source>Joule/min</source>
        <translation>Joule/min</translation>
    </message>
    <message>
        <source>Joule/seg</source>
        <translation>Joule/seg</translation>
    </message>
    <message>
        <source>kg.m/hora</source>
        <extracomment>kilogram-force metre per hour</extracomment>
        <translation>kg.m/hora</translation>
    </message>
    <message>
        <source>kg.m/min</source>
        <translation>kg.m/min</translation>
    </message>
    <message>
        <source>kg.m/seg</source>
        <translation>kg.m/seg</translation>
    </message>
    <message>
        <source>HP</source>
        <translation>HP</translation>
    </message>
    <message>
        <source>HP (métrico)</source>
        <extracomment>metric horsepower</extracomment>
        <translation>HP (mètric)</translation>
    </message>
    <message>
        <source>libra.pulg/hora</source>
        <extracomment>inch-pound (force) per hour</extracomment>
        <translation>lliura.polz/hora</translation>
    </message>
    <message>
        <source>libra.pulg/min</source>
        <translation>lliura.polz/min</translation>
    </message>
    <message>
        <source>libra.pulg/seg</source>
        <translation>lliura.polz/seg</translation>
    </message>
    <message>
        <source>libra.pie/hora</source>
        <extracomment>foot-pound (force) per hour</extracomment>
        <translation>lliura.peu/hora</translation>
    </message>
    <message>
        <source>libra.pie/min</source>
        <translation>lliura.peu/min</translation>
    </message>
    <message>
        <source>libra.pie/seg</source>
        <translation>lliura.peu/seg</translation>
    </message>
    <message>
        <source>atm.cm³/seg</source>
        <translation>atm.cm³/seg</translation>
    </message>
    <message>
        <source>atm.cm³/min</source>
        <translation>atm.cm³/min</translation>
    </message>
    <message>
        <source>kcal/hora</source>
        <translation>kcal/hora</translation>
    </message>
    <message>
        <source>kcal/min</source>
        <translation>kcal/min</translation>
    </message>
    <message>
        <source>kcal/seg</source>
        <translation>kcal/seg</translation>
    </message>
    <message>
        <source>BTU/hora</source>
        <translation>BTU/hora</translation>
    </message>
    <message>
        <source>BTU/min</source>
        <translation>BTU/min</translation>
    </message>
    <message>
        <source>BTU/seg</source>
        <translation>BTU/seg</translation>
    </message>
    <message>
        <source>Unidades de potencia</source>
        <translation>Unitats de potència</translation>
    </message>
    <message>
        <source>watt</source>
        <extracomment>the watt, the window&apos;s base unit</extracomment>
        <translation>watt</translation>
    </message>
    <message>
        <source>Demasiada potencia... guapo</source>
        <extracomment>a number too large was typed; playful: &quot;too much power... darling&quot;</extracomment>
        <translation>Massa potència... maco</translation>
    </message>
    <message>
        <source>Vaya!</source>
        <extracomment>caption of a warning box: an exclamation</extracomment>
        <translation>Vaja!</translation>
    </message>
</context>
<context>
    <name>TFormPreferencias</name>
    <message>
        <source>Preferencias</source>
        <translation>Preferències</translation>
    </message>
    <message>
        <source>Como cada ventana</source>
        <translation>Com cada finestra</translation>
    </message>
    <message>
        <source>&amp;Cifras significativas</source>
        <translation>&amp;Xifres significatives</translation>
    </message>
    <message>
        <source>&amp;Notación</source>
        <translation>&amp;Notació</translation>
    </message>
    <message>
        <source>Científica</source>
        <translation>Científica</translation>
    </message>
    <message>
        <source>Ingeniería</source>
        <translation>Enginyeria</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Las preferencias valen hasta que se cierre Tarvel: no se pudieron guardar (%1).</source>
        <translation>Les preferències valen fins que es tanqui Tarvel: no s&apos;han pogut desar (%1).</translation>
    </message>
</context>
<context>
    <name>TFormPrefijos</name>
    <message>
        <source>yotta [Y]</source>
        <translation>iotta [Y]</translation>
    </message>
    <message>
        <source>zetta [Z]</source>
        <translation>zetta [Z]</translation>
    </message>
    <message>
        <source>exa [E]</source>
        <translation>exa [E]</translation>
    </message>
    <message>
        <source>peta [P]</source>
        <translation>peta [P]</translation>
    </message>
    <message>
        <source>tera [T]</source>
        <translation>tera [T]</translation>
    </message>
    <message>
        <source>giga [G]</source>
        <translation>giga [G]</translation>
    </message>
    <message>
        <source>mega [M]</source>
        <translation>mega [M]</translation>
    </message>
    <message>
        <source>kilo [k]</source>
        <translation>quilo [k]</translation>
    </message>
    <message>
        <source>hecto [h]</source>
        <translation>hecto [h]</translation>
    </message>
    <message>
        <source>deca [da]</source>
        <translation>deca [da]</translation>
    </message>
    <message>
        <source>deci [d]</source>
        <translation>deci [d]</translation>
    </message>
    <message>
        <source>centi [c]</source>
        <translation>centi [c]</translation>
    </message>
    <message>
        <source>mili [m]</source>
        <translation>mil·li [m]</translation>
    </message>
    <message>
        <source>micro [µ]</source>
        <translation>micro [µ]</translation>
    </message>
    <message>
        <source>nano [n]</source>
        <translation>nano [n]</translation>
    </message>
    <message>
        <source>pico [p]</source>
        <translation>pico [p]</translation>
    </message>
    <message>
        <source>femto [f]</source>
        <translation>femto [f]</translation>
    </message>
    <message>
        <source>atto [a]</source>
        <translation>atto [a]</translation>
    </message>
    <message>
        <source>zepto [z]</source>
        <translation>zepto [z]</translation>
    </message>
    <message>
        <source>yocto [y]</source>
        <translation>iocto [y]</translation>
    </message>
    <message>
        <source>Prefijos</source>
        <translation>Prefixos</translation>
    </message>
    <message>
        <source>unidad</source>
        <extracomment>the bare unit, without a prefix</extracomment>
        <translation>unitat</translation>
    </message>
    <message>
        <source>Se ha producido un error inesperado...
No será posible continuar con el proceso en curso.
Salga ordenadamente de todos los programas activos y reinicie el equipo.</source>
        <translation>S&apos;ha produït un error inesperat...
No serà possible continuar amb el procés en curs.
Sortiu ordenadament de tots els programes actius i reinicieu l&apos;ordinador.</translation>
    </message>
    <message>
        <source>Este número supera la capacidad de cálculo...
Inténtelo con otro más chiquito... 
Gracias...</source>
        <translation>Aquest nombre supera la capacitat de càlcul...
Proveu-ho amb un de més petitó... 
Gràcies...</translation>
    </message>
    <message>
        <source>¡Ohhh!</source>
        <translation>Ohhh!</translation>
    </message>
</context>
<context>
    <name>TFormPresion</name>
    <message>
        <source>atmósfera física [atm]</source>
        <extracomment>the standard atmosphere</extracomment>
        <translation>atmosfera física [atm]</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>mili bar</source>
        <extracomment>the millibar</extracomment>
        <translation>mil·libar</translation>
    </message>
    <message>
        <source>pascal (pa)</source>
        <translation>pascal (pa)</translation>
    </message>
    <message>
        <source>milímetros de Hg (a 0 C)</source>
        <extracomment>millimetres of mercury at 0 °C</extracomment>
        <translation>mil·límetres de Hg (a 0 C)</translation>
    </message>
    <message>
        <source>metros de agua (a 4 C)</source>
        <extracomment>metres of water at 4 °C</extracomment>
        <translation>metres d&apos;aigua (a 4 C)</translation>
    </message>
    <message>
        <source>pulgadas de Hg (a 0 C)</source>
        <translation>polzades de Hg (a 0 C)</translation>
    </message>
    <message>
        <source>pulgadas de agua (a 4 C)</source>
        <translation>polzades d&apos;aigua (a 4 C)</translation>
    </message>
    <message>
        <source>atm métrica (kg/cm²)</source>
        <extracomment>the technical atmosphere, one kilogram-force per square centimetre</extracomment>
        <translation>atm mètrica (kg/cm²)</translation>
    </message>
    <message>
        <source>libra/pulgada² (psi)</source>
        <translation>lliura/polzada² (psi)</translation>
    </message>
    <message>
        <source>libra/pie²</source>
        <translation>lliura/peu²</translation>
    </message>
    <message>
        <source>milímetros de Hg (a 15 C)</source>
        <translation>mil·límetres de Hg (a 15 C)</translation>
    </message>
    <message>
        <source>pulgada de París de Hg (a 0 C)</source>
        <extracomment>the old Paris inch (pouce) of mercury at 0 °C</extracomment>
        <translation>polzada de París de Hg (a 0 C)</translation>
    </message>
    <message>
        <source>hecto pascal (hpa)</source>
        <extracomment>the hectopascal, with the symbol the Spanish text gives it</extracomment>
        <translation>hectopascal (hpa)</translation>
    </message>
    <message>
        <source>kilo pascal (kpa)</source>
        <translation>quilopascal (kpa)</translation>
    </message>
    <message>
        <source>Unidades de presión</source>
        <translation>Unitats de pressió</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no es un número válido.</source>
        <extracomment>%1 is the text typed, between quotation marks</extracomment>
        <translation>&quot;%1&quot; no és un nombre vàlid.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>caption of an error box</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Esto así no funciona...

(Sacá el dedito de ahí... gracias)</source>
        <extracomment>a number too large was typed; playful, in Rioplatense Spanish: &quot;this won&apos;t work like this... (take your little finger off there... thanks)&quot;</extracomment>
        <translation>Així això no funciona...

(Treu el ditet d&apos;aquí... gràcies)</translation>
    </message>
</context>
<context>
    <name>TFormPrincipal</name>
    <message>
        <source>www.su-empresa.com</source>
        <extracomment>a made-up web address: the customer&apos;s company&apos;s site</extracomment>
        <translation>www.la-vostra-empresa.com</translation>
    </message>
    <message>
        <source>ventas@su-empresa.com</source>
        <extracomment>a made-up e-mail address: the customer&apos;s company&apos;s sales department</extracomment>
        <translation>vendes@la-vostra-empresa.com</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;Fitxer</translation>
    </message>
    <message>
        <source>&amp;Preferencias...</source>
        <translation>&amp;Preferències...</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Unidades de medida</source>
        <translation>Unitats de mesura</translation>
    </message>
    <message>
        <source>Buscar unidad...</source>
        <translation>Cerca una unitat...</translation>
    </message>
    <message>
        <source>&amp;Numeración</source>
        <translation>&amp;Numeració</translation>
    </message>
    <message>
        <source>Prefijos</source>
        <translation>Prefixos</translation>
    </message>
    <message>
        <source>Base de numeración</source>
        <translation>Base de numeració</translation>
    </message>
    <message>
        <source>Romanos</source>
        <translation>Nombres romans</translation>
    </message>
    <message>
        <source>A letras</source>
        <translation>En lletres</translation>
    </message>
    <message>
        <source>&amp;Lineales</source>
        <translation>&amp;Lineals</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Pulgada y fracción</source>
        <translation>Polzades i fraccions</translation>
    </message>
    <message>
        <source>Pies y pulgadas</source>
        <translation>Peus i polzades</translation>
    </message>
    <message>
        <source>Gráficas</source>
        <translation>Gràfiques</translation>
    </message>
    <message>
        <source>Zapatos</source>
        <translation>Números de sabata</translation>
    </message>
    <message>
        <source>&amp;Superficie</source>
        <translation>&amp;Superfície</translation>
    </message>
    <message>
        <source>&amp;Volumen y capacidad</source>
        <translation>&amp;Volum i capacitat</translation>
    </message>
    <message>
        <source>&amp;Masa</source>
        <translation>&amp;Massa</translation>
    </message>
    <message>
        <source>&amp;Densidad</source>
        <translation>&amp;Densitat</translation>
    </message>
    <message>
        <source>&amp;Peso</source>
        <translation>&amp;Pes</translation>
    </message>
    <message>
        <source>Presión</source>
        <translation>Pressió</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Unitats</translation>
    </message>
    <message>
        <source>Sensación Térmica</source>
        <translation>Sensació tèrmica</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <translation>Velocitat</translation>
    </message>
    <message>
        <source>Caudal</source>
        <translation>Cabal</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Energía</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Potencia</source>
        <translation>Potència</translation>
    </message>
    <message>
        <source>Ángulos planos</source>
        <translation>Angles plans</translation>
    </message>
    <message>
        <source>Iluminación</source>
        <translation>Il·luminació</translation>
    </message>
    <message>
        <source>Datos</source>
        <translation>Dades</translation>
    </message>
    <message>
        <source>Datos Cínicos</source>
        <translation>Dades clíniques</translation>
    </message>
    <message>
        <source>Medidas antiguas de Andalucía</source>
        <translation>Mesures antigues d&apos;Andalusia</translation>
    </message>
    <message>
        <source>Hierros</source>
        <translation>Ferros</translation>
    </message>
    <message>
        <source>Redondos</source>
        <translation>Rodons</translation>
    </message>
    <message>
        <source>Mallas</source>
        <translation>Malles</translation>
    </message>
    <message>
        <source>Divisas  </source>
        <translation>Divises  </translation>
    </message>
    <message>
        <source>Tipos de cambio del BCE...</source>
        <translation>Tipus de canvi del BCE...</translation>
    </message>
    <message>
        <source>Conversor &quot;on-line&quot;</source>
        <translation>Conversor en línia</translation>
    </message>
    <message>
        <source>Calculadora</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Cómo personalizar...</source>
        <translation>Com personalitzar...</translation>
    </message>
    <message>
        <source>Léame</source>
        <translation>Llegiu-me</translation>
    </message>
    <message>
        <source>Acerca de...</source>
        <translation>Quant a...</translation>
    </message>
    <message>
        <source> - Tarvel - Unidades de pesas y medidas</source>
        <translation> - Tarvel - Unitats de pesos i mesures</translation>
    </message>
    <message>
        <source>Programa &quot;de cortesía&quot; para obsequiar a sus clientes!</source>
        <translation>Programa &quot;de cortesia&quot; per obsequiar els vostres clients!</translation>
    </message>
    <message>
        <source>Esta pantalla de bienvenida puede contener:</source>
        <translation>Aquesta pantalla de benvinguda pot contenir:</translation>
    </message>
    <message>
        <source>¿Su logotipo aquí?</source>
        <translation>El vostre logotip aquí?</translation>
    </message>
    <message>
        <source>• Su logotipo...</source>
        <translation>• El vostre logotip...</translation>
    </message>
    <message>
        <source>• Dirección Web...</source>
        <translation>• Adreça web...</translation>
    </message>
    <message>
        <source>• Dirección de e-mail...</source>
        <translation>• Adreça electrònica...</translation>
    </message>
    <message>
        <source>• Algún consejo comercial...</source>
        <translation>• Algun consell comercial...</translation>
    </message>
    <message>
        <source>Si desea personalizar una copia de este software,</source>
        <extracomment>the first line of the invitation; the second is &quot;visite nuestra&quot; and the link after it</extracomment>
        <translation>Si voleu personalitzar una còpia d&apos;aquest programari,</translation>
    </message>
    <message>
        <source>visite nuestra</source>
        <extracomment>the second line of the invitation, before the link &quot;página en Internet&quot;</extracomment>
        <translation>visiteu la nostra</translation>
    </message>
    <message>
        <source>página en Internet</source>
        <extracomment>a link to the program&apos;s web page, ending the invitation &quot;visite nuestra ...&quot;</extracomment>
        <translation>pàgina a Internet</translation>
    </message>
    <message>
        <source>Calculadora de WIndows</source>
        <extracomment>the hint of the menu command that starts the desktop&apos;s calculator</extracomment>
        <translation>Calculadora del Windows</translation>
    </message>
    <message>
        <source>Abrir el Conversor</source>
        <translation>Obre el Conversor</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Tarvel - Conversor</source>
        <translation>Tarvel - Conversor</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Con un clic aquí, miles de clientes visitarán vuestro sitio en Internet!</source>
        <translation>Amb un clic aquí, milers de clients visitaran el vostre lloc a Internet!</translation>
    </message>
    <message>
        <source>Sitio Web</source>
        <translation>Lloc web</translation>
    </message>
    <message>
        <source>Un clic aquí, y vuestros clientes os escribirán para acordar un nuevo contrato, enviaros felicitaciones o simplemente para recordar vuestra dirección de e-mail.</source>
        <translation>Un clic aquí, i els vostres clients us escriuran per acordar un nou contracte, per felicitar-vos o simplement per recordar la vostra adreça electrònica.</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>correu electrònic</translation>
    </message>
    <message>
        <source>No, un clic aquí no hará nada.</source>
        <translation>No, un clic aquí no farà res.</translation>
    </message>
    <message>
        <source>Nada</source>
        <translation>Res</translation>
    </message>
    <message>
        <source>El conversor se va a minimizar junto al reloj del sistema. 

¿Desea volver a ver este mensaje?</source>
        <translation>El conversor es minimitzarà al costat del rellotge del sistema. 

Voleu tornar a veure aquest missatge?</translation>
    </message>
    <message>
        <source>Minimizando...</source>
        <translation>S&apos;està minimitzant...</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Del sistema</source>
        <translation>El del sistema</translation>
    </message>
    <message>
        <source>Su logotipo</source>
        <extracomment>the large words of the picture where a customer&apos;s logo would go</extracomment>
        <translation>El vostre logotip</translation>
    </message>
    <message>
        <source>aquí</source>
        <extracomment>the small word under &quot;Su logotipo&quot; in that picture</extracomment>
        <translation>aquí</translation>
    </message>
</context>
<context>
    <name>TFormRomanos</name>
    <message>
        <source>   Para facilitar la presentación, se ha adoptado la siguiente 
 convención:
   Toda letra, o sucesión, seguida por uno, dos, tres, etc., 
 paréntesis, representa su valor en miles, millones, ... lo que 
 se interpreta como una rayita sobrepuesta hasta esa letra. 
   Por ejemplo: V) = 5000;  L) = 50000;  M) = 1000000; 
 M)XX = 1000020;  LII)) = 52000000.</source>
        <translation>   Per facilitar la presentació, s&apos;ha adoptat la convenció 
 següent:
   Tota lletra, o successió, seguida d&apos;un, dos, tres, etc., 
 parèntesis, representa el seu valor en milers, milions, ... cosa que 
 s&apos;interpreta com una ratlleta sobreposada fins a aquesta lletra. 
   Per exemple: V) = 5000;  L) = 50000;  M) = 1000000; 
 M)XX = 1000020;  LII)) = 52000000.</translation>
    </message>
    <message>
        <source> Tarvel - números romanos</source>
        <translation> Tarvel - nombres romans</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Convierte números arábigos (o indios) en romanos, y viceversa.</source>
        <translation>Converteix nombres aràbics (o indis) en romans, i viceversa.</translation>
    </message>
    <message>
        <source>Arábigos:</source>
        <translation>Aràbics:</translation>
    </message>
    <message>
        <source>Romanos:</source>
        <translation>Romans:</translation>
    </message>
    <message>
        <source>Convención</source>
        <translation>Convenció</translation>
    </message>
    <message>
        <source>Se produjo un error al procesar este número.</source>
        <translation>S&apos;ha produït un error en processar aquest nombre.</translation>
    </message>
    <message>
        <source>%1 no es un número romano 
(o excede la capacidad de cálculo).</source>
        <translation>%1 no és un nombre romà 
(o excedeix la capacitat de càlcul).</translation>
    </message>
    <message>
        <source>%1
Puede copiar este número, y pegarlo en otra aplicación.</source>
        <translation>%1
Podeu copiar aquest nombre i enganxar-lo en una altra aplicació.</translation>
    </message>
</context>
<context>
    <name>TFormSup</name>
    <message>
        <source>kilómetro cuadrado [km²]</source>
        <translation>quilòmetre quadrat [km²]</translation>
    </message>
    <message>
        <source>hectárea [ha]</source>
        <translation>hectàrea [ha]</translation>
    </message>
    <message>
        <source>área [a]</source>
        <extracomment>the are (100 square metres)</extracomment>
        <translation>àrea [a]</translation>
    </message>
    <message>
        <source>centiárea [ca]</source>
        <extracomment>the centiare (one square metre)</extracomment>
        <translation>centiàrea [ca]</translation>
    </message>
    <message>
        <source>metro cuadrado [m²]</source>
        <translation>metre quadrat [m²]</translation>
    </message>
    <message>
        <source>centímetro cuadrado [cm²]</source>
        <translation>centímetre quadrat [cm²]</translation>
    </message>
    <message>
        <source>pulgada cuadrada [sq.in]</source>
        <translation>polzada quadrada [sq.in]</translation>
    </message>
    <message>
        <source>pie cuadrado [sq.ft]</source>
        <translation>peu quadrat [sq.ft]</translation>
    </message>
    <message>
        <source>yarda cuadrada [sq.yd]</source>
        <translation>iarda quadrada [sq.yd]</translation>
    </message>
    <message>
        <source>acre [A]</source>
        <translation>acre [A]</translation>
    </message>
    <message>
        <source>milla cuadrada [sq.Mi]</source>
        <translation>milla quadrada [sq.Mi]</translation>
    </message>
    <message>
        <source>Unidades de superficie</source>
        <translation>Unitats de superfície</translation>
    </message>
    <message>
        <source>%1 no es un número válido.</source>
        <extracomment>%1 is the text typed</extracomment>
        <translation>%1 no és un nombre vàlid.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>caption of an error box</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Esto así no funciona... </source>
        <extracomment>a number too large was typed: &quot;this won&apos;t work like this...&quot; (trailing blank kept)</extracomment>
        <translation>Així això no funciona... </translation>
    </message>
</context>
<context>
    <name>TFormTemp</name>
    <message>
        <source>Celsius o Centígrado (C)</source>
        <translation>Celsius o centígrad (C)</translation>
    </message>
    <message>
        <source>Fahrenheit (F)</source>
        <translation>Fahrenheit (F)</translation>
    </message>
    <message>
        <source>Kelvin o Absoluta (K)</source>
        <extracomment>the Kelvin or absolute scale</extracomment>
        <translation>Kelvin o absoluta (K)</translation>
    </message>
    <message>
        <source>Rankine [r]</source>
        <extracomment>the Rankine scale</extracomment>
        <translation>Rankine [r]</translation>
    </message>
    <message>
        <source>Réaumur (R)</source>
        <extracomment>the Réaumur scale</extracomment>
        <translation>Réaumur (R)</translation>
    </message>
    <message>
        <source>Unidades de temperatura</source>
        <translation>Unitats de temperatura</translation>
    </message>
</context>
<context>
    <name>TFormTiempo</name>
    <message>
        <source>segundo</source>
        <translation>segon</translation>
    </message>
    <message>
        <source>minuto</source>
        <translation>minut</translation>
    </message>
    <message>
        <source>hora</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>día</source>
        <translation>dia</translation>
    </message>
    <message>
        <source>semana</source>
        <translation>setmana</translation>
    </message>
    <message>
        <source>mes</source>
        <extracomment>a month of 30 days</extracomment>
        <translation>mes</translation>
    </message>
    <message>
        <source>año</source>
        <extracomment>a year of 365 days</extracomment>
        <translation>any</translation>
    </message>
    <message>
        <source>década</source>
        <translation>dècada</translation>
    </message>
    <message>
        <source>siglo</source>
        <translation>segle</translation>
    </message>
    <message>
        <source>milisegundo</source>
        <translation>mil·lisegon</translation>
    </message>
    <message>
        <source>microsegundo</source>
        <translation>microsegon</translation>
    </message>
    <message>
        <source>nanosegundo</source>
        <translation>nanosegon</translation>
    </message>
    <message>
        <source>blink</source>
        <extracomment>a small unit of time (0.864 s), named in English like shake and wink</extracomment>
        <translation>blink</translation>
    </message>
    <message>
        <source>shake</source>
        <translation>shake</translation>
    </message>
    <message>
        <source>wink</source>
        <translation>wink</translation>
    </message>
    <message>
        <source>unidad atómica</source>
        <extracomment>the atomic unit of time</extracomment>
        <translation>unitat atòmica</translation>
    </message>
    <message>
        <source>elemental</source>
        <extracomment>the elemental unit of time (9.3996E-24 s)</extracomment>
        <translation>elemental</translation>
    </message>
    <message>
        <source>mes sideral</source>
        <extracomment>sidereal month</extracomment>
        <translation>mes sideri</translation>
    </message>
    <message>
        <source>mes solar medio</source>
        <translation>mes solar mitjà</translation>
    </message>
    <message>
        <source>mes lunar</source>
        <translation>mes lunar</translation>
    </message>
    <message>
        <source>año sideral</source>
        <translation>any sideri</translation>
    </message>
    <message>
        <source>año solar medio</source>
        <translation>any solar mitjà</translation>
    </message>
    <message>
        <source>año Bessel astr.</source>
        <extracomment>the Besselian (astronomical) year</extracomment>
        <translation>any de Bessel astr.</translation>
    </message>
    <message>
        <source>año calendario</source>
        <extracomment>the calendar year</extracomment>
        <translation>any civil</translation>
    </message>
    <message>
        <source>año tropical</source>
        <translation>any tròpic</translation>
    </message>
    <message>
        <source>Unidades de tiempo</source>
        <translation>Unitats de temps</translation>
    </message>
    <message>
        <source>Ohhh...</source>
        <extracomment>caption of a box: an exclamation</extracomment>
        <translation>Ohhh...</translation>
    </message>
    <message>
        <source>%1 es todo un numerito!</source>
        <extracomment>%1 is the number typed: &quot;%1 is quite a number!&quot;</extracomment>
        <translation>%1 és tot un numeret!</translation>
    </message>
    <message>
        <source>Este valor excede la capacidad de cálculo,
lo siento</source>
        <translation>Aquest valor supera la capacitat de càlcul,
ho sento</translation>
    </message>
</context>
<context>
    <name>TFormVel</name>
    <message>
        <source>km/hora</source>
        <translation>km/hora</translation>
    </message>
    <message>
        <source>km/seg</source>
        <translation>km/seg</translation>
    </message>
    <message>
        <source>m/seg</source>
        <translation>m/seg</translation>
    </message>
    <message>
        <source>mach</source>
        <extracomment>the Mach number as a unit of speed</extracomment>
        <translation>mach</translation>
    </message>
    <message>
        <source>velocidad de la luz</source>
        <translation>vel. de la llum</translation>
    </message>
    <message>
        <source>milla/hora</source>
        <translation>milla/hora</translation>
    </message>
    <message>
        <source>pie/seg</source>
        <translation>peu/seg</translation>
    </message>
    <message>
        <source>nudo</source>
        <extracomment>the knot</extracomment>
        <translation>nus</translation>
    </message>
    <message>
        <source>milla/seg</source>
        <translation>milla/seg</translation>
    </message>
    <message>
        <source>Unidades de Velocidad</source>
        <translation>Unitats de velocitat</translation>
    </message>
    <message>
        <source>Este número excede la capacidad de cálculo</source>
        <translation>Aquest nombre supera la capacitat de càlcul</translation>
    </message>
</context>
<context>
    <name>TFormVol</name>
    <message>
        <source>metro cúbico [m</source>
        <extracomment>a raised 3 and &quot;]&quot; follow: cubic metre [m³] (so for the cubic decimetre and centimetre)</extracomment>
        <translation>metre cúbic [m</translation>
    </message>
    <message>
        <source>decímetro cúbico [dm</source>
        <translation>decímetre cúbic [dm</translation>
    </message>
    <message>
        <source>centímetro cúbico [cm</source>
        <translation>centímetre cúbic [cm</translation>
    </message>
    <message>
        <source>hectolitro[hl]</source>
        <translation>hectolitre [hl]</translation>
    </message>
    <message>
        <source>litro [l]</source>
        <translation>litre [l]</translation>
    </message>
    <message>
        <source>pulgada cúbica [cu.in]</source>
        <translation>polzada cúbica [cu.in]</translation>
    </message>
    <message>
        <source>pie cuadrado-pulgada</source>
        <extracomment>one square foot one inch thick (144 cubic inches), the board foot</extracomment>
        <translation>peu quadrat-polzada</translation>
    </message>
    <message>
        <source>pie cúbico [cu.ft]</source>
        <translation>peu cúbic [cu.ft]</translation>
    </message>
    <message>
        <source>yarda cúbica [cu.yd]</source>
        <translation>iarda cúbica [cu.yd]</translation>
    </message>
    <message>
        <source>acre-pie</source>
        <translation>acre-peu</translation>
    </message>
    <message>
        <source>litro de agua a 4 °C [l]</source>
        <extracomment>the old litre, the volume of a kilogram of water at 4 °C</extracomment>
        <translation>litre d&apos;aigua a 4 °C [l]</translation>
    </message>
    <message>
        <source>tonelada de registro</source>
        <extracomment>the register ton (100 cubic feet)</extracomment>
        <translation>tona de registre</translation>
    </message>
    <message>
        <source>tonelada marina</source>
        <extracomment>the shipping (freight) ton (40 cubic feet)</extracomment>
        <translation>tona marina</translation>
    </message>
    <message>
        <source>pinta [pt]</source>
        <translation>pinta [pt]</translation>
    </message>
    <message>
        <source>cuarto [qt]</source>
        <translation>quart [qt]</translation>
    </message>
    <message>
        <source>galón imperial [gal]</source>
        <translation>galó imperial [gal]</translation>
    </message>
    <message>
        <source>barril (petróleo)</source>
        <translation>barril (petroli)</translation>
    </message>
    <message>
        <source>galón líquidos [gal]</source>
        <extracomment>the US liquid gallon</extracomment>
        <translation>galó de líquids [gal]</translation>
    </message>
    <message>
        <source>onza [fl oz]</source>
        <translation>unça [fl oz]</translation>
    </message>
    <message>
        <source>dram [fl dr]</source>
        <translation>dracma [fl dr]</translation>
    </message>
    <message>
        <source>bushel [bu]</source>
        <translation>bushel [bu]</translation>
    </message>
    <message>
        <source>galón áridos [gal]</source>
        <extracomment>the US dry gallon</extracomment>
        <translation>galó d&apos;àrids [gal]</translation>
    </message>
    <message>
        <source>G.B.</source>
        <extracomment>heading of the British (imperial) units</extracomment>
        <translation>G.B.</translation>
    </message>
    <message>
        <source>EE.UU.</source>
        <extracomment>heading of the United States units</extracomment>
        <translation>EUA</translation>
    </message>
    <message>
        <source>Unidades de volumen y capacidad</source>
        <translation>Unitats de volum i capacitat</translation>
    </message>
    <message>
        <source>equival. anterior a 1964</source>
        <extracomment>tooltip of the litre of water: its definition before 1964</extracomment>
        <translation>equival. anterior a 1964</translation>
    </message>
    <message>
        <source>litro de agua a 4 ºC</source>
        <translation>litre d&apos;aigua a 4 °C</translation>
    </message>
    <message>
        <source>register ton</source>
        <extracomment>the English name of the register ton</extracomment>
        <translation>register ton</translation>
    </message>
</context>
<context>
    <name>WebView</name>
    <message>
        <source>Página web completa (*.html *.htm);;Página web, sólo HTML (*.html *.htm)</source>
        <extracomment>the save dialog&apos;s two kinds of file, separated by &quot;;;&quot;, each with its patterns</extracomment>
        <translation>Pàgina web completa (*.html *.htm);;Pàgina web, només HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>No se ha podido cargar la página</source>
        <translation>No s&apos;ha pogut carregar la pàgina</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; no ha respondido en %2 segundos. Puede que el equipo no tenga conexión a la red o que el servidor no esté disponible.</source>
        <extracomment>%1 is the page&apos;s address, %2 how many seconds the view waited</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; no ha respost en %2 segons. Pot ser que l&apos;ordinador no tingui connexió a la xarxa o que el servidor no estigui disponible.</translation>
    </message>
    <message>
        <source>Volver a intentarlo</source>
        <translation>Torna-ho a provar</translation>
    </message>
    <message>
        <source>es</source>
        <extracomment>the language of this translation, as an HTML language code (en, ca...)</extracomment>
        <translation>ca</translation>
    </message>
</context>
</TS>
