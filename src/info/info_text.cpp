#include "info/info_text.h"

// A raw literal keeps the text readable and editable as it appears on
// screen; the source must stay UTF-8 for the accented letters.
QString informationText()
{
    static const char text[] = R"TXT(
 -------------------------------------------------------------
               TEMPESTINA10  -  SCADENZIARIO
 -------------------------------------------------------------

  IMPORTANTE!
  -----------
  Il programma svolge il suo compito soltanto se viene avviato
  automaticamente all'accensione del computer, cioè quando
  entrate nella vostra sessione. Solo così, ogni giorno, può
  controllare le scadenze e avvisarvi in tempo.
  Per ottenerlo basta avviare UNA SOLA VOLTA il programma
  Pontilo, che si trova nella cartella del programma: Pontilo
  crea i collegamenti necessari, mostra "OK!" e si chiude.

  Windows:
  Aprire la cartella del programma e fare doppio clic su
  Pontilo. Viene creato un collegamento a Tempestina10 nella
  cartella Esecuzione automatica (Startup) ed uno nella
  cartella Programmi del menu Start. Da quel momento il
  programma parte da solo ad ogni accesso a Windows.

  Linux:
  Aprire la cartella del programma e avviare Pontilo. Viene
  creato un collegamento a Tempestina10 nella cartella
  ~/.config/autostart (avvio automatico all'accesso) ed uno
  nella cartella ~/.local/share/applications (menu delle
  applicazioni). Da quel momento il programma parte da solo
  ad ogni accesso alla sessione.

  Le date si scrivono sempre nel formato breve gg/MM/aa
  (giorno, mese e anno di due cifre), ad es. 02/08/04.
  Il programma usa sempre e solo questo formato.

 -------------------------------------------------------------
               TEMPESTINA10  -  CHE COSA FA
 -------------------------------------------------------------
  TEMPESTINA10 tiene in memoria fino a DIECI scadenze e ad
  ogni avvio le confronta con la data di oggi:
   - nel giorno della scadenza vi avvisa che scade oggi;
   - vi dà un avviso anticipato, tanti giorni prima quanti
     ne avete scelti voi per quella scadenza;
   - vi ricorda le scadenze già passate, ma da non più di
     tre giorni.
  Se per oggi non c'è nulla compare la finestra "Non ci sono
  scadenze immediate!": potete chiudere subito il programma
  oppure aprirlo per inserire una nuova scadenza.

                    - NOTE ED UTILIZZO -

  Il programma ha due funzioni:
   - la FUNZIONE PERMANENTE: le scadenze inserite vengono
     salvate all'uscita e controllate ad ogni avvio;
   - la FUNZIONE MOMENTANEA: un allarme che suona una volta
     sola dopo i minuti scelti, mentre il programma è aperto.

                  < FUNZIONE PERMANENTE >

  Ogni riga della finestra principale è una scadenza.
  Per compilarla, nell'ordine:
  1) Data: aprire il calendario, scegliere il giorno e fare
     clic nella casella "Data:" della riga; la casella
     "Scadenze:" della riga deve essere ancora vuota.
     Oppure scrivere la data a mano, ad es. 02/08/04.
  2) Tipo di Scadenze: scegliere il tipo dal menu a tendina;
     nella casella "Scadenze:" compare il tipo seguito da
     " > ", dopo il quale si scrive la descrizione.
  3) Scadenze: il testo può essere lungo al massimo 96
     caratteri. Il "Conteggio caratteri" li conta mentre
     scrivete; al 96° il programma avvisa e si ferma.
  4) Segnalazioni anticipate di giorni: quanti giorni prima
     della scadenza volete essere avvisati, da 0 a 99.
     Se la casella resta vuota vale 1 (valore iniziale).

  COLORI:
   - ARANCIONE (casella dei giorni): scadenza tra breve;
   - VERDE CHIARO (casella dei giorni): scadenza scaduta da
     non più di tre giorni;
   - ROSSO (casella della data): la scadenza è oggi.
  Facendo clic sui due quadratini colorati sotto la colonna
  dei giorni compare la spiegazione di ciascun colore.

                     USO DEI PULSANTI

  "X" (colonna "Cancella :"): cancella la scadenza della sua
     riga (data, testo e giorni), dopo aver chiesto conferma.
  STAMPANTE: stampa l'elenco delle scadenze sulla stampante
     predefinita.
  COPIA: copia tutte le scadenze in memoria, per incollarle
     ed impaginarle a piacere in Word o in un altro editor.
  ELENCO: apre la finestra "Nuovo tipo di scadenza", dove si
     aggiunge un nuovo tipo di scadenza oppure si elimina il
     tipo selezionato. I tipi sono salvati nel file lista.txt.
  CALENDARIO: apre il calendario. "Now" torna alla data di
     oggi, "?" dà una spiegazione a voce e scritta, "Chiudi"
     chiude il calendario. Scegliete il giorno, poi fate clic
     nella casella "Data:" della riga.
  ALTOPARLANTE: apre l'Allarme MOMENTANEO (vedi sotto).
  ESCI: salva le scadenze e chiude il programma.
  L'icona della stampante di questa finestra stampa questo testo.

                  < FUNZIONE MOMENTANEA >

  L'Allarme MOMENTANEO vi avvisa una volta sola, con un suono
  ed un messaggio, allo scadere del tempo scelto: da 1 minuto
  a 8 ore (480 minuti). Funziona solo a programma aperto.
  1) Selezionare il tipo di allarme: Telefonata, Appuntamento,
     Impegno oppure Mio Allarme.
  2) Scegliere i minuti; sotto la casella compare il tempo
     equivalente in minuti o in ore.
  3) Volendo, scrivere un breve testo (al massimo 100
     caratteri), che comparirà insieme all'avviso.
  4) Premere "OK": l'allarme parte e la finestra viene
     ridotta a icona. Il pulsante di chiusura del pannello
     annulla l'allarme.
  Mio Allarme: per un suono personale copiare un proprio file
  .wav nella cartella del programma; dopo aver scelto "Mio
  Allarme" selezionarlo nell'elenco dei file che compare.
  Il pulsante "?" dà una spiegazione sonora e visiva.
  Naturalmente ALZARE il volume dei diffusori audio!

 -------------------------------------------------------------
  IMPORTANTE!
  Non cancellare, spostare o rinominare nulla nella cartella
  del programma, soprattutto il file ARCHIVIO.DAT: contiene
  tutte le vostre scadenze, che andrebbero perse!
 -------------------------------------------------------------

 -------------------------------------------------------------
               TEMPESTINA10  -  Buon lavoro!
 -------------------------------------------------------------)TXT";
    // The literal opens with a newline only to keep the first line
    // aligned in the source; it is not part of the text.
    return QString::fromUtf8(text + 1);
}
