<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="100">
        <source>Veltara K4400</source>
        <translation>Veltara K4400</translation>
    </message>
    <message id="101">
        <source>Veltara K4400 Unified</source>
        <translation>Veltara K4400 Unified</translation>
    </message>
    <message id="102">
        <source>Specify three valid IP addresses for the File Modules</source>
        <translation>Specificare tre indirizzi IP validi per i File Module</translation>
    </message>
    <message id="103">
        <source>Wizard</source>
        <translation>Procedura guidata</translation>
    </message>
    <message id="104">
        <source>Quorvex %1 Initialization Tool</source>
        <translation>Strumento di inizializzazione Quorvex %1</translation>
    </message>
    <message id="106">
        <source>If you are setting up your system for the first time:</source>
        <translation>Se si configura il sistema per la prima volta:</translation>
    </message>
    <message id="107">
        <source>If you are unable to access your system:</source>
        <translation>Se non è possibile accedere al sistema:</translation>
    </message>
    <message id="108">
        <source>Initialize a new Veltara K4400</source>
        <translation>I&amp;nizializzare un nuovo Veltara K4400</translation>
    </message>
    <message id="109">
        <source>Reset the K4400 superuser password</source>
        <translation>&amp;Reimpostare la password del superutente K4400</translation>
    </message>
    <message id="110">
        <source>Set the service assistant IP address</source>
        <translation>Impo&amp;stare l'indirizzo IP dell'assistente di servizio</translation>
    </message>
    <message id="111">
        <source>Specify a valid IP address for the Veltara K4400 system.</source>
        <translation>Specificare un indirizzo IP valido per il sistema Veltara K4400.</translation>
    </message>
    <message id="112">
        <source>Note: You must have physical access to the %1 system to complete initialization.  You are required to insert the USB key into the system.</source>
        <translation>Nota: per completare l'inizializzazione è necessario l'accesso fisico al sistema %1. È necessario inserire la chiave USB nel sistema.</translation>
    </message>
    <message id="113">
        <source>IP Address</source>
        <translation>In&amp;dirizzo IP</translation>
    </message>
    <message id="114">
        <source>Subnet Mask</source>
        <translation>&amp;Maschera di sottorete</translation>
    </message>
    <message id="115">
        <source>Prefix</source>
        <translation>&amp;Prefisso</translation>
    </message>
    <message id="116">
        <source>Gateway</source>
        <translation>&amp;Gateway</translation>
    </message>
    <message id="117">
        <source>IPv4</source>
        <translation>IPv&amp;4</translation>
    </message>
    <message id="118">
        <source>IPv6</source>
        <translation>IPv&amp;6</translation>
    </message>
    <message id="119">
        <source>Click Finish then eject the USB key and insert it into any USB port on the control enclosure of your system.</source>
        <translation>Fare clic su Fine, quindi espellere la chiave USB e inserirla in una porta USB qualsiasi dell'enclosure di controllo del sistema.</translation>
    </message>
    <message id="120">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to continue setting up your system.</source>
        <translation>Quando il LED ambra del contenitore del nodo smette di lampeggiare, rimuovere la chiave USB dal sistema, inserirla nel computer Windows ed eseguire di nuovo lo strumento di inizializzazione per continuare la configurazione.</translation>
    </message>
    <message id="121">
        <source>%1 is not on the same subnet as %2.  Please adjust your inputs so that these two addresses are on the same subnet.</source>
        <translation>%1 non si trova nella stessa sottorete di %2. Modificare i valori immessi in modo che i due indirizzi si trovino nella stessa sottorete.</translation>
    </message>
    <message id="122">
        <source>Initialize a New System</source>
        <translation>Inizializzare un nuovo sistema</translation>
    </message>
    <message id="123">
        <source>Transfer Information to System</source>
        <translation>Trasferire le informazioni al sistema</translation>
    </message>
    <message id="127">
        <source>Reset Superuser Password</source>
        <translation>Reimpostare la password del superutente</translation>
    </message>
    <message id="129">
        <source>Click Finish to reset the superuser password to:   kelpw1nd 

Remove the USB key and insert it into any USB port on the appropriate node canister.</source>
        <translation>Fare clic su Fine per reimpostare la password del superutente su:   kelpw1nd 

Rimuovere la chiave USB e inserirla in una porta USB qualsiasi del contenitore del nodo interessato.</translation>
    </message>
    <message id="130">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify the password reset.</source>
        <translation>Quando il LED ambra del contenitore del nodo smette di lampeggiare, rimuovere la chiave USB dal sistema, inserirla nel computer Windows ed eseguire di nuovo lo strumento di inizializzazione per verificare la reimpostazione della password.</translation>
    </message>
    <message id="132">
        <source>Set Service Assistant IP Address</source>
        <translation>Impostare l'indirizzo IP dell'assistente di servizio</translation>
    </message>
    <message id="133">
        <source>Configure the IP Address:</source>
        <translation>&amp;Configurare l'indirizzo IP:</translation>
    </message>
    <message id="134">
        <source>Reset default IP address: 192.168.70.121 for upper canister, 192.168.70.122 for lower canister</source>
        <translation>&amp;Ripristinare l'indirizzo IP predefinito: 192.168.70.121 per il contenitore superiore, 192.168.70.122 per quello inferiore</translation>
    </message>
    <message id="135">
        <source>Click Finish to set the service assistant IP address. Remove the USB key and insert it into any USB port on the appropriate node canister of your system.</source>
        <translation>Fare clic su Fine per impostare l'indirizzo IP dell'assistente di servizio. Rimuovere la chiave USB e inserirla in una porta USB qualsiasi del contenitore del nodo interessato.</translation>
    </message>
    <message id="137">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify service assistant IP change.</source>
        <translation>Quando il LED ambra del contenitore del nodo smette di lampeggiare, rimuovere la chiave USB dal sistema, inserirla nel computer Windows ed eseguire di nuovo lo strumento di inizializzazione per verificare la modifica dell'IP dell'assistente di servizio.</translation>
    </message>
    <message id="138">
        <source>Transfer Information to System</source>
        <translation>Trasferire le informazioni al sistema</translation>
    </message>
    <message id="139">
        <source>'%1' is not valid.  Enter a valid IP address for the system.</source>
        <translation>'%1' non è valido. Immettere un indirizzo IP valido per il sistema.</translation>
    </message>
    <message id="140">
        <source>%1' is  not valid.  Enter a valid subnet mask for the system.</source>
        <translation>'%1' non è valido. Immettere una maschera di sottorete valida per il sistema.</translation>
    </message>
    <message id="141">
        <source>The IP address is empty.  Enter a valid IP address for the system.</source>
        <translation>L'indirizzo IP è vuoto. Immettere un indirizzo IP valido per il sistema.</translation>
    </message>
    <message id="143">
        <source>'%1' is not valid.  Enter a valid gateway for the system.</source>
        <translation>'%1' non è valido. Immettere un gateway valido per il sistema.</translation>
    </message>
    <message id="144">
        <source>IP address cannot be validated.</source>
        <translation>: impossibile convalidare l'indirizzo IP.</translation>
    </message>
    <message id="146">
        <source>Initialization Results</source>
        <translation>Risultati dell'inizializzazione</translation>
    </message>
    <message id="147">
        <source>%1 System was successfully configured with IP: </source>
        <translation>Il sistema %1 è stato configurato correttamente con l'IP: </translation>
    </message>
    <message id="148">
        <source>The battery must reach sufficient charge in order to launch the GUI. 
The estimated battery charging time is: %1 minutes. 
</source>
        <translation>La batteria deve raggiungere una carica sufficiente per avviare la GUI. 
Il tempo di carica stimato è: %1 minuti. 
</translation>
    </message>
    <message id="149">
        <source>Launch GUI</source>
        <translation>Avvia &amp;GUI</translation>
    </message>
    <message id="150">
        <source>Return to Main Menu</source>
        <translation>&amp;Torna al menu principale</translation>
    </message>
    <message id="151">
        <source>Initialization Results</source>
        <translation>Risultati dell'inizializzazione</translation>
    </message>
    <message id="152">
        <source>%1 System was not configured successfully</source>
        <translation>Il sistema %1 non è stato configurato correttamente</translation>
    </message>
    <message id="153">
        <source>Launch Service Assistant</source>
        <translation>Avvia assistente di &amp;servizio</translation>
    </message>
    <message id="154">
        <source>To log into the Management GUI use 
User: superuser 
Password: kelpw1nd</source>
        <translation>Per accedere alla GUI di gestione utilizzare 
Utente: superuser 
Password: kelpw1nd</translation>
    </message>
    <message id="155">
        <source>Try Again</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message id="156">
        <source>Reset Superuser Password Results</source>
        <translation>Risultati della reimpostazione della password</translation>
    </message>
    <message id="157">
        <source>%1 System password was successfully reset to : kelpw1nd.</source>
        <translation>La password del sistema %1 è stata reimpostata correttamente su: kelpw1nd.</translation>
    </message>
    <message id="158">
        <source>Reset Superuser Password Results</source>
        <translation>Risultati della reimpostazione della password</translation>
    </message>
    <message id="159">
        <source>%1 System password was NOT reset successfully.</source>
        <translation>La password del sistema %1 NON è stata reimpostata.</translation>
    </message>
    <message id="161">
        <source>%1 System Service Assistant IP address was successfully reset to: </source>
        <translation>L'indirizzo IP dell'assistente di servizio del sistema %1 è stato impostato correttamente su: </translation>
    </message>
    <message id="162">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Risultati dell'impostazione dell'IP dell'assistente di servizio</translation>
    </message>
    <message id="163">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Risultati dell'impostazione dell'IP dell'assistente di servizio</translation>
    </message>
    <message id="164">
        <source>%1 System Service Assitant IP address  was NOT reset successfully.</source>
        <translation>L'indirizzo IP dell'assistente di servizio del sistema %1 NON è stato impostato.</translation>
    </message>
    <message id="169">
        <source>The gateway address is empty.  Enter a valid gateway address for the system.</source>
        <translation>L'indirizzo del gateway è vuoto. Immettere un indirizzo gateway valido per il sistema.</translation>
    </message>
    <message id="170">
        <source>'%1' is not valid. Enter a valid prefix between 0-127.</source>
        <translation>'%1' non è valido. Immettere un prefisso valido compreso tra 0 e 127.</translation>
    </message>
    <message id="171">
        <source>Unable to open the initialization file.  Check your file permissions.</source>
        <translation>Impossibile aprire il file di inizializzazione. Verificare le autorizzazioni del file.</translation>
    </message>
    <message id="172">
        <source>Failed to read the results file.</source>
        <translation>Impossibile leggere il file dei risultati.</translation>
    </message>
    <message id="173">
        <source>Add an enclosure to an existing system</source>
        <translation>Aggiungere un &amp;enclosure a un sistema esistente</translation>
    </message>
    <message id="174">
        <source>Add an Enclosure</source>
        <translation>Aggiungere un enclosure</translation>
    </message>
    <message id="175">
        <source>To add an enclosure to an existing system, you do not need to use this initialization application.  Follow the procedure below:</source>
        <translation>Per aggiungere un enclosure a un sistema esistente non occorre questa applicazione di inizializzazione. Procedere come segue:</translation>
    </message>
    <message id="176">
        <source>1. Launch the Management GUI</source>
        <translation>1. Avviare la GUI di gestione</translation>
    </message>
    <message id="177">
        <source>To launch the Management GUI, open a Web browser and enter https:// followed by the Management IP of your system</source>
        <translation>Per avviare la GUI di gestione, aprire un browser Web e immettere https:// seguito dall'IP di gestione del sistema</translation>
    </message>
    <message id="178">
        <source>2. Navigate to the panel containing the system details</source>
        <translation>2. Passare al pannello contenente i dettagli del sistema</translation>
    </message>
    <message id="179">
        <source>Select the Manage Device or System Details page in the second level of the left side navigation menu.</source>
        <translation>Selezionare la pagina Manage Device o System Details al secondo livello del menu di navigazione a sinistra.</translation>
    </message>
    <message id="180">
        <source>3. Run the wizard to add the appropriate enclosure</source>
        <translation>3. Eseguire la procedura guidata per aggiungere l'enclosure</translation>
    </message>
    <message id="181">
        <source>Select the existing system in the tree of system components.  In the Actions dropdown menu select the wizard to add an enclosure.</source>
        <translation>Selezionare il sistema esistente nella struttura ad albero dei componenti. Nel menu a discesa Actions selezionare la procedura guidata per aggiungere un enclosure.</translation>
    </message>
    <message id="183">
        <source>Management IP</source>
        <translation>IP di &amp;gestione</translation>
    </message>
    <message id="184">
        <source>Veltara K4400 File Module 1</source>
        <translation>Veltara K4400 File Module &amp;1</translation>
    </message>
    <message id="185">
        <source>Veltara K4400 File Module 2</source>
        <translation>Veltara K4400 File Module &amp;2</translation>
    </message>
    <message id="186">
        <source>Internal IP Address Range</source>
        <translation>Intervallo di indirizzi IP in&amp;terni</translation>
    </message>
    <message id="187">
        <source>Click Finish then eject the USB key and insert it into any USB port on the rear of the control enclosure in your Quorvex Veltara K4400 system.</source>
        <translation>Fare clic su Fine, quindi espellere la chiave USB e inserirla in una porta USB qualsiasi sul retro dell'enclosure di controllo del sistema Quorvex Veltara K4400.</translation>
    </message>
    <message id="188">
        <source>After the fault LED stops flashing, remove the USB key from the Quorvex Veltara K4400 System and insert it into any USB port on a File Module and wait for the location LEDs on both File Modules to stop blinking.</source>
        <translation>Quando il LED di errore smette di lampeggiare, rimuovere la chiave USB dal sistema Quorvex Veltara K4400, inserirla in una porta USB qualsiasi di un File Module e attendere che i LED di posizione di entrambi i File Module smettano di lampeggiare.</translation>
    </message>
    <message id="190">
        <source>%1 not valid.  Set a valid IP value that is unique.</source>
        <translation>Il valore di %1 non è valido. Impostare un valore IP valido e univoco.</translation>
    </message>
    <message id="191">
        <source>Unable to write to the initialization file.  Check your USB key available space and file permissions.</source>
        <translation>Impossibile scrivere nel file di inizializzazione. Verificare lo spazio disponibile sulla chiave USB e le autorizzazioni del file.</translation>
    </message>
    <message id="192">
        <source>No Internal IP Address Range has been selected. Select an Internal IP Address Range.</source>
        <translation>Non è stato selezionato alcun intervallo di indirizzi IP interni. Selezionare un intervallo di indirizzi IP interni.</translation>
    </message>
    <message id="193">
        <source>The %1 was successfully configured with the following IP addresses:</source>
        <translation>%1 è stato configurato correttamente con i seguenti indirizzi IP:</translation>
    </message>
    <message id="194">
        <source>Veltara K4400 File Module</source>
        <translation>Veltara K4400 File Module</translation>
    </message>
    <message id="195">
        <source>Launch Info Center</source>
        <translation>Avvia &amp;Info Center</translation>
    </message>
    <message id="196">
        <source>To log into the Management GUI use 
UserID: admin 
Password: brisk</source>
        <translation>Per accedere alla GUI di gestione utilizzare 
ID utente: admin 
Password: brisk</translation>
    </message>
    <message id="9001">
        <source>Please enter an integer.</source>
        <translation>Immettere un numero intero.</translation>
    </message>
    <message id="9002">
        <source>Click OK to proceed or CANCEL to re-enter the IP address.</source>
        <translation>Fare clic su OK per continuare o su Annulla per immettere di nuovo l'indirizzo IP.</translation>
    </message>
    <message id="9003">
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Indietro</translation>
    </message>
    <message id="9004">
        <source>&amp;Next &gt;</source>
        <translation>&amp;Avanti &gt;</translation>
    </message>
    <message id="9005">
        <source>&amp;Finish</source>
        <translation>&amp;Fine</translation>
    </message>
    <message id="9006">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="9010">
        <source>Access to %1 was denied.</source>
        <translation>Accesso a %1 negato.</translation>
    </message>
    <message id="9011">
        <source>%1 contains an incorrect path.</source>
        <translation>%1 contiene un percorso non corretto.</translation>
    </message>
    <message id="9012">
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Violazione di condivisione durante l'accesso a %1.</translation>
    </message>
    <message id="9013">
        <source>Too many files are open; %1 could not be opened.</source>
        <translation>Troppi file aperti; impossibile aprire %1.</translation>
    </message>
    <message id="9014">
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Errore imprevisto durante l'accesso a %1.</translation>
    </message>
    <message id="9015">
        <source>There is not enough free space on the disk that holds %1.</source>
        <translation>Spazio libero insufficiente sul disco che contiene %1.</translation>
    </message>
    <message id="9016">
        <source>%1 is on a write-protected or read-only disk.</source>
        <translation>%1 si trova su un disco protetto da scrittura o di sola lettura.</translation>
    </message>
    <message id="9017">
        <source>%1 is not a file: a folder, a device or a pipe has that name.</source>
        <translation>%1 non è un file: una cartella, un dispositivo o una pipe ha questo nome.</translation>
    </message>
    <message id="9018">
        <source>%1 was not found.</source>
        <translation>%1 non è stato trovato.</translation>
    </message>
    <message id="9020">
        <source>%1, octet %2</source>
        <translation>%1, ottetto %2</translation>
    </message>
    <message id="9030">
        <source>The password reset could not be written to the USB key, so nothing will be reset. Click Back to return to the main menu and try again, or Cancel to close the wizard.</source>
        <translation>Non è stato possibile scrivere sulla chiave USB la richiesta di reimpostazione della password, quindi la password non verrà reimpostata. Fare clic su Indietro per tornare al menu principale e riprovare, oppure su Annulla per chiudere la procedura guidata.</translation>
    </message>
    <message id="9031">
        <source>The web browser could not be opened. To continue, open this address in a web browser yourself:

%1</source>
        <translation>Impossibile aprire il browser Web. Per continuare, aprire manualmente questo indirizzo in un browser Web:

%1</translation>
    </message>
    <message id="9032">
        <source>The system did not report a valid address to open, so the web browser was not opened.</source>
        <translation>Il sistema non ha segnalato alcun indirizzo valido da aprire, pertanto il browser Web non è stato aperto.</translation>
    </message>
    <message id="9033">
        <source>Choose the USB key folder</source>
        <translation>Scegliere la cartella della chiave USB</translation>
    </message>
    <message id="9034">
        <source>The task file %1 from an earlier run is still on the USB key and could not be removed. The storage system will execute it when the key is inserted.</source>
        <translation>Il file di attività %1 di un'esecuzione precedente è ancora sulla chiave USB e non è stato possibile rimuoverlo. Il sistema di storage lo eseguirà quando la chiave verrà inserita.</translation>
    </message>
    <message id="9035">
        <source>The USB key did not give back what was written to it, so the task file was removed again. Use another USB key.</source>
        <translation>La chiave USB non ha restituito ciò che vi è stato scritto, quindi il file di attività è stato rimosso. Utilizzare un'altra chiave USB.</translation>
    </message>
    <message id="9036">
        <source>The command's output could not be written.</source>
        <translation>Non è stato possibile scrivere l'output del comando.</translation>
    </message>
    <message id="9037">
        <source>The USB key holds:</source>
        <translation>La chiave USB contiene:</translation>
    </message>
    <message id="9038">
        <source>The USB key holds no task file.</source>
        <translation>La chiave USB non contiene alcun file di attività.</translation>
    </message>
    <message id="9039">
        <source>The task file %1 could not be removed from the USB key. The storage system will execute it when the key is inserted.</source>
        <translation>Non è stato possibile rimuovere il file di attività %1 dalla chiave USB. Il sistema di storage lo eseguirà quando la chiave verrà inserita.</translation>
    </message>
    <message id="9040">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="9041">
        <source>The task file was written to %1, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.</source>
        <translation>Il file di attività è stato scritto in %1, che non è la cartella principale di una chiave USB. Il sistema di storage legge i file di attività solo dalla cartella principale della chiave.</translation>
    </message>
</context>
</TS>
