<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
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
        <translation>Geben Sie drei gültige IP-Adressen für die File Modules an</translation>
    </message>
    <message id="103">
        <source>Wizard</source>
        <translation>Assistent</translation>
    </message>
    <message id="104">
        <source>Quorvex %1 Initialization Tool</source>
        <translation>Quorvex %1 Initialisierungstool</translation>
    </message>
    <message id="106">
        <source>If you are setting up your system for the first time:</source>
        <translation>Wenn Sie Ihr System zum ersten Mal einrichten:</translation>
    </message>
    <message id="107">
        <source>If you are unable to access your system:</source>
        <translation>Wenn Sie nicht auf Ihr System zugreifen können:</translation>
    </message>
    <message id="108">
        <source>Initialize a new Veltara K4400</source>
        <translation>&amp;Neues Veltara K4400 initialisieren</translation>
    </message>
    <message id="109">
        <source>Reset the K4400 superuser password</source>
        <translation>K4400-Superuser-&amp;Kennwort zurücksetzen</translation>
    </message>
    <message id="110">
        <source>Set the service assistant IP address</source>
        <translation>&amp;IP-Adresse des Service-Assistenten festlegen</translation>
    </message>
    <message id="111">
        <source>Specify a valid IP address for the Veltara K4400 system.</source>
        <translation>Geben Sie eine gültige IP-Adresse für das System Veltara K4400 an.</translation>
    </message>
    <message id="112">
        <source>Note: You must have physical access to the %1 system to complete initialization.  You are required to insert the USB key into the system.</source>
        <translation>Hinweis: Zum Abschließen der Initialisierung benötigen Sie physischen Zugang zum System %1. Sie müssen den USB-Stick in das System einstecken.</translation>
    </message>
    <message id="113">
        <source>IP Address</source>
        <translation>IP-&amp;Adresse</translation>
    </message>
    <message id="114">
        <source>Subnet Mask</source>
        <translation>Subnetz&amp;maske</translation>
    </message>
    <message id="115">
        <source>Prefix</source>
        <translation>&amp;Präfix</translation>
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
        <translation>Klicken Sie auf „Fertig stellen“, werfen Sie dann den USB-Stick aus und stecken Sie ihn in einen beliebigen USB-Anschluss am Steuereinheitsgehäuse Ihres Systems.</translation>
    </message>
    <message id="120">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to continue setting up your system.</source>
        <translation>Wenn die gelbe LED am Knotencanister nicht mehr blinkt, ziehen Sie den USB-Stick aus dem System, stecken Sie ihn in Ihren Windows-Computer und führen Sie das Initialisierungstool erneut aus, um die Einrichtung fortzusetzen.</translation>
    </message>
    <message id="121">
        <source>%1 is not on the same subnet as %2.  Please adjust your inputs so that these two addresses are on the same subnet.</source>
        <translation>%1 liegt nicht im selben Subnetz wie %2. Passen Sie Ihre Eingaben so an, dass beide Adressen im selben Subnetz liegen.</translation>
    </message>
    <message id="122">
        <source>Initialize a New System</source>
        <translation>Neues System initialisieren</translation>
    </message>
    <message id="123">
        <source>Transfer Information to System</source>
        <translation>Informationen an das System übertragen</translation>
    </message>
    <message id="127">
        <source>Reset Superuser Password</source>
        <translation>Superuser-Kennwort zurücksetzen</translation>
    </message>
    <message id="129">
        <source>Click Finish to reset the superuser password to:   kelpw1nd 

Remove the USB key and insert it into any USB port on the appropriate node canister.</source>
        <translation>Klicken Sie auf „Fertig stellen“, um das Superuser-Kennwort zurückzusetzen auf:   kelpw1nd 

Ziehen Sie den USB-Stick ab und stecken Sie ihn in einen beliebigen USB-Anschluss am betreffenden Knotencanister.</translation>
    </message>
    <message id="130">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify the password reset.</source>
        <translation>Wenn die gelbe LED am Knotencanister nicht mehr blinkt, ziehen Sie den USB-Stick aus dem System, stecken Sie ihn in Ihren Windows-Computer und führen Sie das Initialisierungstool erneut aus, um das Zurücksetzen des Kennworts zu prüfen.</translation>
    </message>
    <message id="132">
        <source>Set Service Assistant IP Address</source>
        <translation>IP-Adresse des Service-Assistenten festlegen</translation>
    </message>
    <message id="133">
        <source>Configure the IP Address:</source>
        <translation>IP-Adresse &amp;konfigurieren:</translation>
    </message>
    <message id="134">
        <source>Reset default IP address: 192.168.70.121 for upper canister, 192.168.70.122 for lower canister</source>
        <translation>&amp;Standard-IP-Adresse wiederherstellen: 192.168.70.121 für den oberen Canister, 192.168.70.122 für den unteren Canister</translation>
    </message>
    <message id="135">
        <source>Click Finish to set the service assistant IP address. Remove the USB key and insert it into any USB port on the appropriate node canister of your system.</source>
        <translation>Klicken Sie auf „Fertig stellen“, um die IP-Adresse des Service-Assistenten festzulegen. Ziehen Sie den USB-Stick ab und stecken Sie ihn in einen beliebigen USB-Anschluss am betreffenden Knotencanister Ihres Systems.</translation>
    </message>
    <message id="137">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify service assistant IP change.</source>
        <translation>Wenn die gelbe LED am Knotencanister nicht mehr blinkt, ziehen Sie den USB-Stick aus dem System, stecken Sie ihn in Ihren Windows-Computer und führen Sie das Initialisierungstool erneut aus, um die Änderung der IP-Adresse des Service-Assistenten zu prüfen.</translation>
    </message>
    <message id="138">
        <source>Transfer Information to System</source>
        <translation>Informationen an das System übertragen</translation>
    </message>
    <message id="139">
        <source>'%1' is not valid.  Enter a valid IP address for the system.</source>
        <translation>„%1“ ist ungültig. Geben Sie eine gültige IP-Adresse für das System ein.</translation>
    </message>
    <message id="140">
        <source>%1' is  not valid.  Enter a valid subnet mask for the system.</source>
        <translation>„%1“ ist ungültig. Geben Sie eine gültige Subnetzmaske für das System ein.</translation>
    </message>
    <message id="141">
        <source>The IP address is empty.  Enter a valid IP address for the system.</source>
        <translation>Die IP-Adresse ist leer. Geben Sie eine gültige IP-Adresse für das System ein.</translation>
    </message>
    <message id="143">
        <source>'%1' is not valid.  Enter a valid gateway for the system.</source>
        <translation>„%1“ ist ungültig. Geben Sie ein gültiges Gateway für das System ein.</translation>
    </message>
    <message id="144">
        <source>IP address cannot be validated.</source>
        <translation> - die IP-Adresse kann nicht geprüft werden.</translation>
    </message>
    <message id="146">
        <source>Initialization Results</source>
        <translation>Ergebnisse der Initialisierung</translation>
    </message>
    <message id="147">
        <source>%1 System was successfully configured with IP: </source>
        <translation>Das System %1 wurde erfolgreich mit folgender IP-Adresse konfiguriert: </translation>
    </message>
    <message id="148">
        <source>The battery must reach sufficient charge in order to launch the GUI. 
The estimated battery charging time is: %1 minutes. 
</source>
        <translation>Der Akku muss ausreichend geladen sein, bevor die GUI gestartet werden kann. 
Die voraussichtliche Ladezeit beträgt: %1 Minuten. 
</translation>
    </message>
    <message id="149">
        <source>Launch GUI</source>
        <translation>&amp;GUI starten</translation>
    </message>
    <message id="150">
        <source>Return to Main Menu</source>
        <translation>Zum &amp;Hauptmenü</translation>
    </message>
    <message id="151">
        <source>Initialization Results</source>
        <translation>Ergebnisse der Initialisierung</translation>
    </message>
    <message id="152">
        <source>%1 System was not configured successfully</source>
        <translation>Das System %1 wurde nicht erfolgreich konfiguriert</translation>
    </message>
    <message id="153">
        <source>Launch Service Assistant</source>
        <translation>&amp;Service-Assistent starten</translation>
    </message>
    <message id="154">
        <source>To log into the Management GUI use 
User: superuser 
Password: kelpw1nd</source>
        <translation>Anmeldung an der Management-GUI mit 
Benutzer: superuser 
Kennwort: kelpw1nd</translation>
    </message>
    <message id="155">
        <source>Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message id="156">
        <source>Reset Superuser Password Results</source>
        <translation>Ergebnisse: Superuser-Kennwort zurücksetzen</translation>
    </message>
    <message id="157">
        <source>%1 System password was successfully reset to : kelpw1nd.</source>
        <translation>Das Kennwort des Systems %1 wurde erfolgreich zurückgesetzt auf: kelpw1nd.</translation>
    </message>
    <message id="158">
        <source>Reset Superuser Password Results</source>
        <translation>Ergebnisse: Superuser-Kennwort zurücksetzen</translation>
    </message>
    <message id="159">
        <source>%1 System password was NOT reset successfully.</source>
        <translation>Das Kennwort des Systems %1 wurde NICHT zurückgesetzt.</translation>
    </message>
    <message id="161">
        <source>%1 System Service Assistant IP address was successfully reset to: </source>
        <translation>Die IP-Adresse des Service-Assistenten des Systems %1 wurde erfolgreich festgelegt auf: </translation>
    </message>
    <message id="162">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Ergebnisse: IP-Adresse des Service-Assistenten</translation>
    </message>
    <message id="163">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Ergebnisse: IP-Adresse des Service-Assistenten</translation>
    </message>
    <message id="164">
        <source>%1 System Service Assitant IP address  was NOT reset successfully.</source>
        <translation>Die IP-Adresse des Service-Assistenten des Systems %1 wurde NICHT festgelegt.</translation>
    </message>
    <message id="169">
        <source>The gateway address is empty.  Enter a valid gateway address for the system.</source>
        <translation>Die Gateway-Adresse ist leer. Geben Sie eine gültige Gateway-Adresse für das System ein.</translation>
    </message>
    <message id="170">
        <source>'%1' is not valid. Enter a valid prefix between 0-127.</source>
        <translation>„%1“ ist ungültig. Geben Sie ein gültiges Präfix zwischen 0 und 127 ein.</translation>
    </message>
    <message id="171">
        <source>Unable to open the initialization file.  Check your file permissions.</source>
        <translation>Die Initialisierungsdatei kann nicht geöffnet werden. Prüfen Sie die Dateiberechtigungen.</translation>
    </message>
    <message id="172">
        <source>Failed to read the results file.</source>
        <translation>Die Ergebnisdatei konnte nicht gelesen werden.</translation>
    </message>
    <message id="173">
        <source>Add an enclosure to an existing system</source>
        <translation>&amp;Gehäuse zu einem vorhandenen System hinzufügen</translation>
    </message>
    <message id="174">
        <source>Add an Enclosure</source>
        <translation>Gehäuse hinzufügen</translation>
    </message>
    <message id="175">
        <source>To add an enclosure to an existing system, you do not need to use this initialization application.  Follow the procedure below:</source>
        <translation>Um ein Gehäuse zu einem vorhandenen System hinzuzufügen, benötigen Sie dieses Initialisierungsprogramm nicht. Gehen Sie wie folgt vor:</translation>
    </message>
    <message id="176">
        <source>1. Launch the Management GUI</source>
        <translation>1. Management-GUI starten</translation>
    </message>
    <message id="177">
        <source>To launch the Management GUI, open a Web browser and enter https:// followed by the Management IP of your system</source>
        <translation>Zum Starten der Management-GUI öffnen Sie einen Webbrowser und geben https:// gefolgt von der Management-IP Ihres Systems ein</translation>
    </message>
    <message id="178">
        <source>2. Navigate to the panel containing the system details</source>
        <translation>2. Zur Anzeige mit den Systemdetails navigieren</translation>
    </message>
    <message id="179">
        <source>Select the Manage Device or System Details page in the second level of the left side navigation menu.</source>
        <translation>Wählen Sie in der zweiten Ebene des linken Navigationsmenüs die Seite „Manage Device“ oder „System Details“ aus.</translation>
    </message>
    <message id="180">
        <source>3. Run the wizard to add the appropriate enclosure</source>
        <translation>3. Assistenten zum Hinzufügen des Gehäuses ausführen</translation>
    </message>
    <message id="181">
        <source>Select the existing system in the tree of system components.  In the Actions dropdown menu select the wizard to add an enclosure.</source>
        <translation>Wählen Sie das vorhandene System in der Baumstruktur der Systemkomponenten aus. Wählen Sie im Dropdown-Menü „Actions“ den Assistenten zum Hinzufügen eines Gehäuses aus.</translation>
    </message>
    <message id="183">
        <source>Management IP</source>
        <translation>&amp;Management-IP</translation>
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
        <translation>&amp;Interner IP-Adressbereich</translation>
    </message>
    <message id="187">
        <source>Click Finish then eject the USB key and insert it into any USB port on the rear of the control enclosure in your Quorvex Veltara K4400 system.</source>
        <translation>Klicken Sie auf „Fertig stellen“, werfen Sie dann den USB-Stick aus und stecken Sie ihn in einen beliebigen USB-Anschluss an der Rückseite des Steuereinheitsgehäuses Ihres Systems Quorvex Veltara K4400.</translation>
    </message>
    <message id="188">
        <source>After the fault LED stops flashing, remove the USB key from the Quorvex Veltara K4400 System and insert it into any USB port on a File Module and wait for the location LEDs on both File Modules to stop blinking.</source>
        <translation>Wenn die Fehler-LED nicht mehr blinkt, ziehen Sie den USB-Stick aus dem System Quorvex Veltara K4400, stecken Sie ihn in einen beliebigen USB-Anschluss eines File Modules und warten Sie, bis die Positionsanzeigen beider File Modules nicht mehr blinken.</translation>
    </message>
    <message id="190">
        <source>%1 not valid.  Set a valid IP value that is unique.</source>
        <translation>%1 ist ungültig. Legen Sie einen gültigen, eindeutigen IP-Wert fest.</translation>
    </message>
    <message id="191">
        <source>Unable to write to the initialization file.  Check your USB key available space and file permissions.</source>
        <translation>In die Initialisierungsdatei kann nicht geschrieben werden. Prüfen Sie den freien Speicherplatz auf dem USB-Stick und die Dateiberechtigungen.</translation>
    </message>
    <message id="192">
        <source>No Internal IP Address Range has been selected. Select an Internal IP Address Range.</source>
        <translation>Es wurde kein interner IP-Adressbereich ausgewählt. Wählen Sie einen internen IP-Adressbereich aus.</translation>
    </message>
    <message id="193">
        <source>The %1 was successfully configured with the following IP addresses:</source>
        <translation>%1 wurde erfolgreich mit den folgenden IP-Adressen konfiguriert:</translation>
    </message>
    <message id="194">
        <source>Veltara K4400 File Module</source>
        <translation>Veltara K4400 File Module</translation>
    </message>
    <message id="195">
        <source>Launch Info Center</source>
        <translation>&amp;Info Center starten</translation>
    </message>
    <message id="196">
        <source>To log into the Management GUI use 
UserID: admin 
Password: brisk</source>
        <translation>Anmeldung an der Management-GUI mit 
Benutzer-ID: admin 
Kennwort: brisk</translation>
    </message>
    <message id="9001">
        <source>Please enter an integer.</source>
        <translation>Geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message id="9002">
        <source>Click OK to proceed or CANCEL to re-enter the IP address.</source>
        <translation>Klicken Sie auf „OK“, um fortzufahren, oder auf „Abbrechen“, um die IP-Adresse erneut einzugeben.</translation>
    </message>
    <message id="9003">
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message id="9004">
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message id="9005">
        <source>&amp;Finish</source>
        <translation>&amp;Fertig stellen</translation>
    </message>
    <message id="9006">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="9010">
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message id="9011">
        <source>%1 contains an incorrect path.</source>
        <translation>%1 enthält einen falschen Pfad.</translation>
    </message>
    <message id="9012">
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message id="9013">
        <source>Too many files are open; %1 could not be opened.</source>
        <translation>Zu viele Dateien sind geöffnet; %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message id="9014">
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message id="9015">
        <source>There is not enough free space on the disk that holds %1.</source>
        <translation>Auf dem Datenträger, der %1 enthält, ist nicht genügend freier Speicherplatz vorhanden.</translation>
    </message>
    <message id="9016">
        <source>%1 is on a write-protected or read-only disk.</source>
        <translation>%1 befindet sich auf einem schreibgeschützten Datenträger.</translation>
    </message>
    <message id="9017">
        <source>%1 is not a file: a folder, a device or a pipe has that name.</source>
        <translation>%1 ist keine Datei: Ein Ordner, ein Gerät oder eine Pipe trägt diesen Namen.</translation>
    </message>
    <message id="9018">
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message id="9020">
        <source>%1, octet %2</source>
        <translation>%1, Oktett %2</translation>
    </message>
    <message id="9030">
        <source>The password reset could not be written to the USB key, so nothing will be reset. Click Back to return to the main menu and try again, or Cancel to close the wizard.</source>
        <translation>Der Auftrag zum Zurücksetzen des Kennworts konnte nicht auf den USB-Stick geschrieben werden; das Kennwort wird daher nicht zurückgesetzt. Klicken Sie auf „Zurück“, um zum Hauptmenü zurückzukehren und es erneut zu versuchen, oder auf „Abbrechen“, um den Assistenten zu schließen.</translation>
    </message>
    <message id="9031">
        <source>The web browser could not be opened. To continue, open this address in a web browser yourself:

%1</source>
        <translation>Der Webbrowser konnte nicht geöffnet werden. Öffnen Sie diese Adresse selbst in einem Webbrowser, um fortzufahren:

%1</translation>
    </message>
    <message id="9032">
        <source>The system did not report a valid address to open, so the web browser was not opened.</source>
        <translation>Das System hat keine gültige Adresse gemeldet, die geöffnet werden könnte; der Webbrowser wurde daher nicht geöffnet.</translation>
    </message>
    <message id="9033">
        <source>Choose the USB key folder</source>
        <translation>Ordner des USB-Sticks auswählen</translation>
    </message>
    <message id="9034">
        <source>The task file %1 from an earlier run is still on the USB key and could not be removed. The storage system will execute it when the key is inserted.</source>
        <translation>Die Aufgabendatei %1 aus einem früheren Lauf ist noch auf dem USB-Stick und konnte nicht entfernt werden. Das Speichersystem führt sie aus, sobald der USB-Stick eingesteckt wird.</translation>
    </message>
    <message id="9035">
        <source>The USB key did not give back what was written to it, so the task file was removed again. Use another USB key.</source>
        <translation>Der USB-Stick hat nicht zurückgegeben, was auf ihn geschrieben wurde; die Aufgabendatei wurde deshalb wieder entfernt. Verwenden Sie einen anderen USB-Stick.</translation>
    </message>
    <message id="9036">
        <source>The command's output could not be written.</source>
        <translation>Die Ausgabe des Befehls konnte nicht geschrieben werden.</translation>
    </message>
    <message id="9037">
        <source>The USB key holds:</source>
        <translation>Auf dem USB-Stick befindet sich:</translation>
    </message>
    <message id="9038">
        <source>The USB key holds no task file.</source>
        <translation>Auf dem USB-Stick befindet sich keine Aufgabendatei.</translation>
    </message>
    <message id="9039">
        <source>The task file %1 could not be removed from the USB key. The storage system will execute it when the key is inserted.</source>
        <translation>Die Aufgabendatei %1 konnte nicht vom USB-Stick entfernt werden. Das Speichersystem führt sie aus, sobald der USB-Stick eingesteckt wird.</translation>
    </message>
    <message id="9040">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="9041">
        <source>The task file was written to %1, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.</source>
        <translation>Die Aufgabendatei wurde in %1 geschrieben; dieser Ordner ist nicht der oberste Ordner eines USB-Sticks. Das Speichersystem liest Aufgabendateien nur aus dem obersten Ordner des USB-Sticks.</translation>
    </message>
</context>
</TS>
