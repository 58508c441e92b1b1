<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
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
        <translation>Indiquez trois adresses IP valides pour les File Modules</translation>
    </message>
    <message id="103">
        <source>Wizard</source>
        <translation>Assistant</translation>
    </message>
    <message id="104">
        <source>Quorvex %1 Initialization Tool</source>
        <translation>Outil d'initialisation Quorvex %1</translation>
    </message>
    <message id="106">
        <source>If you are setting up your system for the first time:</source>
        <translation>Si vous configurez votre système pour la première fois :</translation>
    </message>
    <message id="107">
        <source>If you are unable to access your system:</source>
        <translation>Si vous ne parvenez pas à accéder à votre système :</translation>
    </message>
    <message id="108">
        <source>Initialize a new Veltara K4400</source>
        <translation>&amp;Initialiser un nouveau Veltara K4400</translation>
    </message>
    <message id="109">
        <source>Reset the K4400 superuser password</source>
        <translation>&amp;Réinitialiser le mot de passe du superutilisateur K4400</translation>
    </message>
    <message id="110">
        <source>Set the service assistant IP address</source>
        <translation>&amp;Définir l'adresse IP de l'assistant de service</translation>
    </message>
    <message id="111">
        <source>Specify a valid IP address for the Veltara K4400 system.</source>
        <translation>Indiquez une adresse IP valide pour le système Veltara K4400.</translation>
    </message>
    <message id="112">
        <source>Note: You must have physical access to the %1 system to complete initialization.  You are required to insert the USB key into the system.</source>
        <translation>Remarque : vous devez avoir un accès physique au système %1 pour terminer l'initialisation. Vous devez insérer la clé USB dans le système.</translation>
    </message>
    <message id="113">
        <source>IP Address</source>
        <translation>&amp;Adresse IP</translation>
    </message>
    <message id="114">
        <source>Subnet Mask</source>
        <translation>&amp;Masque de sous-réseau</translation>
    </message>
    <message id="115">
        <source>Prefix</source>
        <translation>Pré&amp;fixe</translation>
    </message>
    <message id="116">
        <source>Gateway</source>
        <translation>Passe&amp;relle</translation>
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
        <translation>Cliquez sur Terminer, puis éjectez la clé USB et insérez-la dans un port USB quelconque du boîtier de contrôle de votre système.</translation>
    </message>
    <message id="120">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to continue setting up your system.</source>
        <translation>Lorsque le voyant orange de la cartouche de nœud cesse de clignoter, retirez la clé USB du système, insérez-la dans votre ordinateur Windows et exécutez de nouveau l'outil d'initialisation pour poursuivre la configuration.</translation>
    </message>
    <message id="121">
        <source>%1 is not on the same subnet as %2.  Please adjust your inputs so that these two addresses are on the same subnet.</source>
        <translation>%1 n'est pas sur le même sous-réseau que %2. Modifiez vos entrées de sorte que ces deux adresses soient sur le même sous-réseau.</translation>
    </message>
    <message id="122">
        <source>Initialize a New System</source>
        <translation>Initialiser un nouveau système</translation>
    </message>
    <message id="123">
        <source>Transfer Information to System</source>
        <translation>Transférer les informations vers le système</translation>
    </message>
    <message id="127">
        <source>Reset Superuser Password</source>
        <translation>Réinitialiser le mot de passe du superutilisateur</translation>
    </message>
    <message id="129">
        <source>Click Finish to reset the superuser password to:   kelpw1nd 

Remove the USB key and insert it into any USB port on the appropriate node canister.</source>
        <translation>Cliquez sur Terminer pour réinitialiser le mot de passe du superutilisateur sur :   kelpw1nd 

Retirez la clé USB et insérez-la dans un port USB quelconque de la cartouche de nœud concernée.</translation>
    </message>
    <message id="130">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify the password reset.</source>
        <translation>Lorsque le voyant orange de la cartouche de nœud cesse de clignoter, retirez la clé USB du système, insérez-la dans votre ordinateur Windows et exécutez de nouveau l'outil d'initialisation pour vérifier la réinitialisation du mot de passe.</translation>
    </message>
    <message id="132">
        <source>Set Service Assistant IP Address</source>
        <translation>Définir l'adresse IP de l'assistant de service</translation>
    </message>
    <message id="133">
        <source>Configure the IP Address:</source>
        <translation>&amp;Configurer l'adresse IP :</translation>
    </message>
    <message id="134">
        <source>Reset default IP address: 192.168.70.121 for upper canister, 192.168.70.122 for lower canister</source>
        <translation>Rétablir l'adresse IP par &amp;défaut : 192.168.70.121 pour la cartouche supérieure, 192.168.70.122 pour la cartouche inférieure</translation>
    </message>
    <message id="135">
        <source>Click Finish to set the service assistant IP address. Remove the USB key and insert it into any USB port on the appropriate node canister of your system.</source>
        <translation>Cliquez sur Terminer pour définir l'adresse IP de l'assistant de service. Retirez la clé USB et insérez-la dans un port USB quelconque de la cartouche de nœud concernée de votre système.</translation>
    </message>
    <message id="137">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify service assistant IP change.</source>
        <translation>Lorsque le voyant orange de la cartouche de nœud cesse de clignoter, retirez la clé USB du système, insérez-la dans votre ordinateur Windows et exécutez de nouveau l'outil d'initialisation pour vérifier le changement d'adresse IP de l'assistant de service.</translation>
    </message>
    <message id="138">
        <source>Transfer Information to System</source>
        <translation>Transférer les informations vers le système</translation>
    </message>
    <message id="139">
        <source>'%1' is not valid.  Enter a valid IP address for the system.</source>
        <translation>« %1 » n'est pas valide. Entrez une adresse IP valide pour le système.</translation>
    </message>
    <message id="140">
        <source>%1' is  not valid.  Enter a valid subnet mask for the system.</source>
        <translation>« %1 » n'est pas valide. Entrez un masque de sous-réseau valide pour le système.</translation>
    </message>
    <message id="141">
        <source>The IP address is empty.  Enter a valid IP address for the system.</source>
        <translation>L'adresse IP est vide. Entrez une adresse IP valide pour le système.</translation>
    </message>
    <message id="143">
        <source>'%1' is not valid.  Enter a valid gateway for the system.</source>
        <translation>« %1 » n'est pas valide. Entrez une passerelle valide pour le système.</translation>
    </message>
    <message id="144">
        <source>IP address cannot be validated.</source>
        <translation> : l'adresse IP ne peut pas être validée.</translation>
    </message>
    <message id="146">
        <source>Initialization Results</source>
        <translation>Résultats de l'initialisation</translation>
    </message>
    <message id="147">
        <source>%1 System was successfully configured with IP: </source>
        <translation>Le système %1 a été configuré avec l'adresse IP : </translation>
    </message>
    <message id="148">
        <source>The battery must reach sufficient charge in order to launch the GUI. 
The estimated battery charging time is: %1 minutes. 
</source>
        <translation>La batterie doit être suffisamment chargée pour lancer l'interface de gestion. 
Temps de charge estimé : %1 minutes. 
</translation>
    </message>
    <message id="149">
        <source>Launch GUI</source>
        <translation>&amp;Lancer l'interface de gestion</translation>
    </message>
    <message id="150">
        <source>Return to Main Menu</source>
        <translation>Retour au &amp;menu principal</translation>
    </message>
    <message id="151">
        <source>Initialization Results</source>
        <translation>Résultats de l'initialisation</translation>
    </message>
    <message id="152">
        <source>%1 System was not configured successfully</source>
        <translation>Le système %1 n'a pas été configuré</translation>
    </message>
    <message id="153">
        <source>Launch Service Assistant</source>
        <translation>Lancer l'assistant de &amp;service</translation>
    </message>
    <message id="154">
        <source>To log into the Management GUI use 
User: superuser 
Password: kelpw1nd</source>
        <translation>Pour vous connecter à l'interface de gestion, utilisez 
Utilisateur : superuser 
Mot de passe : kelpw1nd</translation>
    </message>
    <message id="155">
        <source>Try Again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message id="156">
        <source>Reset Superuser Password Results</source>
        <translation>Résultats de la réinitialisation du mot de passe</translation>
    </message>
    <message id="157">
        <source>%1 System password was successfully reset to : kelpw1nd.</source>
        <translation>Le mot de passe du système %1 a été réinitialisé sur : kelpw1nd.</translation>
    </message>
    <message id="158">
        <source>Reset Superuser Password Results</source>
        <translation>Résultats de la réinitialisation du mot de passe</translation>
    </message>
    <message id="159">
        <source>%1 System password was NOT reset successfully.</source>
        <translation>Le mot de passe du système %1 n'a PAS été réinitialisé.</translation>
    </message>
    <message id="161">
        <source>%1 System Service Assistant IP address was successfully reset to: </source>
        <translation>L'adresse IP de l'assistant de service du système %1 a été redéfinie sur : </translation>
    </message>
    <message id="162">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Résultats de la définition de l'adresse IP de l'assistant de service</translation>
    </message>
    <message id="163">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Résultats de la définition de l'adresse IP de l'assistant de service</translation>
    </message>
    <message id="164">
        <source>%1 System Service Assitant IP address  was NOT reset successfully.</source>
        <translation>L'adresse IP de l'assistant de service du système %1 n'a PAS été redéfinie.</translation>
    </message>
    <message id="169">
        <source>The gateway address is empty.  Enter a valid gateway address for the system.</source>
        <translation>L'adresse de passerelle est vide. Entrez une adresse de passerelle valide pour le système.</translation>
    </message>
    <message id="170">
        <source>'%1' is not valid. Enter a valid prefix between 0-127.</source>
        <translation>« %1 » n'est pas valide. Entrez un préfixe valide compris entre 0 et 127.</translation>
    </message>
    <message id="171">
        <source>Unable to open the initialization file.  Check your file permissions.</source>
        <translation>Impossible d'ouvrir le fichier d'initialisation. Vérifiez les droits d'accès au fichier.</translation>
    </message>
    <message id="172">
        <source>Failed to read the results file.</source>
        <translation>Impossible de lire le fichier de résultats.</translation>
    </message>
    <message id="173">
        <source>Add an enclosure to an existing system</source>
        <translation>&amp;Ajouter un boîtier à un système existant</translation>
    </message>
    <message id="174">
        <source>Add an Enclosure</source>
        <translation>Ajouter un boîtier</translation>
    </message>
    <message id="175">
        <source>To add an enclosure to an existing system, you do not need to use this initialization application.  Follow the procedure below:</source>
        <translation>Pour ajouter un boîtier à un système existant, vous n'avez pas besoin de cette application d'initialisation. Procédez comme suit :</translation>
    </message>
    <message id="176">
        <source>1. Launch the Management GUI</source>
        <translation>1. Lancez l'interface de gestion</translation>
    </message>
    <message id="177">
        <source>To launch the Management GUI, open a Web browser and enter https:// followed by the Management IP of your system</source>
        <translation>Pour lancer l'interface de gestion, ouvrez un navigateur Web et entrez https:// suivi de l'adresse IP de gestion de votre système</translation>
    </message>
    <message id="178">
        <source>2. Navigate to the panel containing the system details</source>
        <translation>2. Accédez au panneau contenant les détails du système</translation>
    </message>
    <message id="179">
        <source>Select the Manage Device or System Details page in the second level of the left side navigation menu.</source>
        <translation>Sélectionnez la page Manage Device ou System Details au deuxième niveau du menu de navigation de gauche.</translation>
    </message>
    <message id="180">
        <source>3. Run the wizard to add the appropriate enclosure</source>
        <translation>3. Exécutez l'assistant d'ajout du boîtier approprié</translation>
    </message>
    <message id="181">
        <source>Select the existing system in the tree of system components.  In the Actions dropdown menu select the wizard to add an enclosure.</source>
        <translation>Sélectionnez le système existant dans l'arborescence des composants. Dans le menu déroulant Actions, sélectionnez l'assistant d'ajout de boîtier.</translation>
    </message>
    <message id="183">
        <source>Management IP</source>
        <translation>IP de &amp;gestion</translation>
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
        <translation>Plage d'adresses IP &amp;internes</translation>
    </message>
    <message id="187">
        <source>Click Finish then eject the USB key and insert it into any USB port on the rear of the control enclosure in your Quorvex Veltara K4400 system.</source>
        <translation>Cliquez sur Terminer, puis éjectez la clé USB et insérez-la dans un port USB quelconque à l'arrière du boîtier de contrôle de votre système Quorvex Veltara K4400.</translation>
    </message>
    <message id="188">
        <source>After the fault LED stops flashing, remove the USB key from the Quorvex Veltara K4400 System and insert it into any USB port on a File Module and wait for the location LEDs on both File Modules to stop blinking.</source>
        <translation>Lorsque le voyant d'erreur cesse de clignoter, retirez la clé USB du système Quorvex Veltara K4400, insérez-la dans un port USB quelconque d'un File Module et attendez que les voyants d'emplacement des deux File Modules cessent de clignoter.</translation>
    </message>
    <message id="190">
        <source>%1 not valid.  Set a valid IP value that is unique.</source>
        <translation>%1 n'est pas valide. Définissez une valeur IP valide et unique.</translation>
    </message>
    <message id="191">
        <source>Unable to write to the initialization file.  Check your USB key available space and file permissions.</source>
        <translation>Impossible d'écrire dans le fichier d'initialisation. Vérifiez l'espace disponible sur la clé USB et les droits d'accès au fichier.</translation>
    </message>
    <message id="192">
        <source>No Internal IP Address Range has been selected. Select an Internal IP Address Range.</source>
        <translation>Aucune plage d'adresses IP internes n'a été sélectionnée. Sélectionnez une plage d'adresses IP internes.</translation>
    </message>
    <message id="193">
        <source>The %1 was successfully configured with the following IP addresses:</source>
        <translation>%1 a été configuré avec les adresses IP suivantes :</translation>
    </message>
    <message id="194">
        <source>Veltara K4400 File Module</source>
        <translation>Veltara K4400 File Module</translation>
    </message>
    <message id="195">
        <source>Launch Info Center</source>
        <translation>Lancer l'&amp;Info Center</translation>
    </message>
    <message id="196">
        <source>To log into the Management GUI use 
UserID: admin 
Password: brisk</source>
        <translation>Pour vous connecter à l'interface de gestion, utilisez 
ID utilisateur : admin 
Mot de passe : brisk</translation>
    </message>
    <message id="9001">
        <source>Please enter an integer.</source>
        <translation>Entrez un nombre entier.</translation>
    </message>
    <message id="9002">
        <source>Click OK to proceed or CANCEL to re-enter the IP address.</source>
        <translation>Cliquez sur OK pour continuer ou sur Annuler pour entrer à nouveau l'adresse IP.</translation>
    </message>
    <message id="9003">
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message id="9004">
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message id="9005">
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message id="9006">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="9010">
        <source>Access to %1 was denied.</source>
        <translation>L'accès à %1 a été refusé.</translation>
    </message>
    <message id="9011">
        <source>%1 contains an incorrect path.</source>
        <translation>%1 contient un chemin incorrect.</translation>
    </message>
    <message id="9012">
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Une violation de partage s'est produite lors de l'accès à %1.</translation>
    </message>
    <message id="9013">
        <source>Too many files are open; %1 could not be opened.</source>
        <translation>Trop de fichiers sont ouverts ; impossible d'ouvrir %1.</translation>
    </message>
    <message id="9014">
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Une erreur inattendue s'est produite lors de l'accès à %1.</translation>
    </message>
    <message id="9015">
        <source>There is not enough free space on the disk that holds %1.</source>
        <translation>L'espace libre est insuffisant sur le disque qui contient %1.</translation>
    </message>
    <message id="9016">
        <source>%1 is on a write-protected or read-only disk.</source>
        <translation>%1 se trouve sur un disque protégé en écriture ou accessible en lecture seule.</translation>
    </message>
    <message id="9017">
        <source>%1 is not a file: a folder, a device or a pipe has that name.</source>
        <translation>%1 n'est pas un fichier : un dossier, un périphérique ou un tube porte ce nom.</translation>
    </message>
    <message id="9018">
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message id="9020">
        <source>%1, octet %2</source>
        <translation>%1, octet %2</translation>
    </message>
    <message id="9030">
        <source>The password reset could not be written to the USB key, so nothing will be reset. Click Back to return to the main menu and try again, or Cancel to close the wizard.</source>
        <translation>La demande de réinitialisation du mot de passe n'a pas pu être écrite sur la clé USB ; le mot de passe ne sera donc pas réinitialisé. Cliquez sur Précédent pour revenir au menu principal et réessayer, ou sur Annuler pour fermer l'assistant.</translation>
    </message>
    <message id="9031">
        <source>The web browser could not be opened. To continue, open this address in a web browser yourself:

%1</source>
        <translation>Le navigateur Web n'a pas pu être ouvert. Pour continuer, ouvrez vous-même cette adresse dans un navigateur Web :

%1</translation>
    </message>
    <message id="9032">
        <source>The system did not report a valid address to open, so the web browser was not opened.</source>
        <translation>Le système n'a signalé aucune adresse valide à ouvrir ; le navigateur Web n'a donc pas été ouvert.</translation>
    </message>
    <message id="9033">
        <source>Choose the USB key folder</source>
        <translation>Choisir le dossier de la clé USB</translation>
    </message>
    <message id="9034">
        <source>The task file %1 from an earlier run is still on the USB key and could not be removed. The storage system will execute it when the key is inserted.</source>
        <translation>Le fichier de tâche %1 d'une exécution précédente se trouve toujours sur la clé USB et n'a pas pu être supprimé. Le système de stockage l'exécutera lorsque la clé sera insérée.</translation>
    </message>
    <message id="9035">
        <source>The USB key did not give back what was written to it, so the task file was removed again. Use another USB key.</source>
        <translation>La clé USB n'a pas rendu ce qui y a été écrit ; le fichier de tâche a donc été supprimé. Utilisez une autre clé USB.</translation>
    </message>
    <message id="9036">
        <source>The command's output could not be written.</source>
        <translation>La sortie de la commande n'a pas pu être écrite.</translation>
    </message>
    <message id="9037">
        <source>The USB key holds:</source>
        <translation>La clé USB contient :</translation>
    </message>
    <message id="9038">
        <source>The USB key holds no task file.</source>
        <translation>La clé USB ne contient aucun fichier de tâche.</translation>
    </message>
    <message id="9039">
        <source>The task file %1 could not be removed from the USB key. The storage system will execute it when the key is inserted.</source>
        <translation>Le fichier de tâche %1 n'a pas pu être supprimé de la clé USB. Le système de stockage l'exécutera lorsque la clé sera insérée.</translation>
    </message>
    <message id="9040">
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message id="9041">
        <source>The task file was written to %1, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.</source>
        <translation>Le fichier de tâche a été écrit dans %1, qui n'est pas le dossier racine d'une clé USB. Le système de stockage ne lit les fichiers de tâche que dans le dossier racine de la clé.</translation>
    </message>
</context>
</TS>
