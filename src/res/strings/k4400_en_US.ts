<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
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
        <translation>Specify three valid IP addresses for the File Modules</translation>
    </message>
    <message id="103">
        <source>Wizard</source>
        <translation>Wizard</translation>
    </message>
    <message id="104">
        <source>Quorvex %1 Initialization Tool</source>
        <translation>Quorvex %1 Initialization Tool</translation>
    </message>
    <message id="106">
        <source>If you are setting up your system for the first time:</source>
        <translation>If you are setting up your system for the first time:</translation>
    </message>
    <message id="107">
        <source>If you are unable to access your system:</source>
        <translation>If you are unable to access your system:</translation>
    </message>
    <message id="108">
        <source>Initialize a new Veltara K4400</source>
        <translation>&amp;Initialize a new Veltara K4400</translation>
    </message>
    <message id="109">
        <source>Reset the K4400 superuser password</source>
        <translation>&amp;Reset the K4400 superuser password</translation>
    </message>
    <message id="110">
        <source>Set the service assistant IP address</source>
        <translation>&amp;Set the service assistant IP address</translation>
    </message>
    <message id="111">
        <source>Specify a valid IP address for the Veltara K4400 system.</source>
        <translation>Specify a valid IP address for the Veltara K4400 system.</translation>
    </message>
    <message id="112">
        <source>Note: You must have physical access to the %1 system to complete initialization.  You are required to insert the USB key into the system.</source>
        <translation>Note: You must have physical access to the %1 system to complete initialization.  You are required to insert the USB key into the system.</translation>
    </message>
    <message id="113">
        <source>IP Address</source>
        <translation>IP &amp;Address</translation>
    </message>
    <message id="114">
        <source>Subnet Mask</source>
        <translation>Subnet &amp;Mask</translation>
    </message>
    <message id="115">
        <source>Prefix</source>
        <translation>&amp;Prefix</translation>
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
        <translation>Click Finish then eject the USB key and insert it into any USB port on the control enclosure of your system.</translation>
    </message>
    <message id="120">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to continue setting up your system.</source>
        <translation>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to continue setting up your system.</translation>
    </message>
    <message id="121">
        <source>%1 is not on the same subnet as %2.  Please adjust your inputs so that these two addresses are on the same subnet.</source>
        <translation>%1 is not on the same subnet as %2.  Please adjust your inputs so that these two addresses are on the same subnet.</translation>
    </message>
    <message id="122">
        <source>Initialize a New System</source>
        <translation>Initialize a New System</translation>
    </message>
    <message id="123">
        <source>Transfer Information to System</source>
        <translation>Transfer Information to System</translation>
    </message>
    <message id="127">
        <source>Reset Superuser Password</source>
        <translation>Reset Superuser Password</translation>
    </message>
    <message id="129">
        <source>Click Finish to reset the superuser password to:   kelpw1nd 

Remove the USB key and insert it into any USB port on the appropriate node canister.</source>
        <translation>Click Finish to reset the superuser password to:   kelpw1nd 

Remove the USB key and insert it into any USB port on the appropriate node canister.</translation>
    </message>
    <message id="130">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify the password reset.</source>
        <translation>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify the password reset.</translation>
    </message>
    <message id="132">
        <source>Set Service Assistant IP Address</source>
        <translation>Set Service Assistant IP Address</translation>
    </message>
    <message id="133">
        <source>Configure the IP Address:</source>
        <translation>&amp;Configure the IP Address:</translation>
    </message>
    <message id="134">
        <source>Reset default IP address: 192.168.70.121 for upper canister, 192.168.70.122 for lower canister</source>
        <translation>&amp;Reset default IP address: 192.168.70.121 for upper canister, 192.168.70.122 for lower canister</translation>
    </message>
    <message id="135">
        <source>Click Finish to set the service assistant IP address. Remove the USB key and insert it into any USB port on the appropriate node canister of your system.</source>
        <translation>Click Finish to set the service assistant IP address. Remove the USB key and insert it into any USB port on the appropriate node canister of your system.</translation>
    </message>
    <message id="137">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify service assistant IP change.</source>
        <translation>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify service assistant IP change.</translation>
    </message>
    <message id="138">
        <source>Transfer Information to System</source>
        <translation>Transfer Information to System</translation>
    </message>
    <message id="139">
        <source>'%1' is not valid.  Enter a valid IP address for the system.</source>
        <translation>'%1' is not valid.  Enter a valid IP address for the system.</translation>
    </message>
    <message id="140">
        <source>%1' is  not valid.  Enter a valid subnet mask for the system.</source>
        <translation>%1' is  not valid.  Enter a valid subnet mask for the system.</translation>
    </message>
    <message id="141">
        <source>The IP address is empty.  Enter a valid IP address for the system.</source>
        <translation>The IP address is empty.  Enter a valid IP address for the system.</translation>
    </message>
    <message id="143">
        <source>'%1' is not valid.  Enter a valid gateway for the system.</source>
        <translation>'%1' is not valid.  Enter a valid gateway for the system.</translation>
    </message>
    <message id="144">
        <source>IP address cannot be validated.</source>
        <translation>IP address cannot be validated.</translation>
    </message>
    <message id="146">
        <source>Initialization Results</source>
        <translation>Initialization Results</translation>
    </message>
    <message id="147">
        <source>%1 System was successfully configured with IP: </source>
        <translation>%1 System was successfully configured with IP: </translation>
    </message>
    <message id="148">
        <source>The battery must reach sufficient charge in order to launch the GUI. 
The estimated battery charging time is: %1 minutes. 
</source>
        <translation>The battery must reach sufficient charge in order to launch the GUI. 
The estimated battery charging time is: %1 minutes. 
</translation>
    </message>
    <message id="149">
        <source>Launch GUI</source>
        <translation>&amp;Launch GUI</translation>
    </message>
    <message id="150">
        <source>Return to Main Menu</source>
        <translation>&amp;Return to Main Menu</translation>
    </message>
    <message id="151">
        <source>Initialization Results</source>
        <translation>Initialization Results</translation>
    </message>
    <message id="152">
        <source>%1 System was not configured successfully</source>
        <translation>%1 System was not configured successfully</translation>
    </message>
    <message id="153">
        <source>Launch Service Assistant</source>
        <translation>Launch &amp;Service Assistant</translation>
    </message>
    <message id="154">
        <source>To log into the Management GUI use 
User: superuser 
Password: kelpw1nd</source>
        <translation>To log into the Management GUI use 
User: superuser 
Password: kelpw1nd</translation>
    </message>
    <message id="155">
        <source>Try Again</source>
        <translation>&amp;Try Again</translation>
    </message>
    <message id="156">
        <source>Reset Superuser Password Results</source>
        <translation>Reset Superuser Password Results</translation>
    </message>
    <message id="157">
        <source>%1 System password was successfully reset to : kelpw1nd.</source>
        <translation>%1 System password was successfully reset to : kelpw1nd.</translation>
    </message>
    <message id="158">
        <source>Reset Superuser Password Results</source>
        <translation>Reset Superuser Password Results</translation>
    </message>
    <message id="159">
        <source>%1 System password was NOT reset successfully.</source>
        <translation>%1 System password was NOT reset successfully.</translation>
    </message>
    <message id="161">
        <source>%1 System Service Assistant IP address was successfully reset to: </source>
        <translation>%1 System Service Assistant IP address was successfully reset to: </translation>
    </message>
    <message id="162">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Set Service Assistant IP Address Results</translation>
    </message>
    <message id="163">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Set Service Assistant IP Address Results</translation>
    </message>
    <message id="164">
        <source>%1 System Service Assitant IP address  was NOT reset successfully.</source>
        <translation>%1 System Service Assitant IP address  was NOT reset successfully.</translation>
    </message>
    <message id="169">
        <source>The gateway address is empty.  Enter a valid gateway address for the system.</source>
        <translation>The gateway address is empty.  Enter a valid gateway address for the system.</translation>
    </message>
    <message id="170">
        <source>'%1' is not valid. Enter a valid prefix between 0-127.</source>
        <translation>'%1' is not valid. Enter a valid prefix between 0-127.</translation>
    </message>
    <message id="171">
        <source>Unable to open the initialization file.  Check your file permissions.</source>
        <translation>Unable to open the initialization file.  Check your file permissions.</translation>
    </message>
    <message id="172">
        <source>Failed to read the results file.</source>
        <translation>Failed to read the results file.</translation>
    </message>
    <message id="173">
        <source>Add an enclosure to an existing system</source>
        <translation>&amp;Add an enclosure to an existing system</translation>
    </message>
    <message id="174">
        <source>Add an Enclosure</source>
        <translation>Add an Enclosure</translation>
    </message>
    <message id="175">
        <source>To add an enclosure to an existing system, you do not need to use this initialization application.  Follow the procedure below:</source>
        <translation>To add an enclosure to an existing system, you do not need to use this initialization application.  Follow the procedure below:</translation>
    </message>
    <message id="176">
        <source>1. Launch the Management GUI</source>
        <translation>1. Launch the Management GUI</translation>
    </message>
    <message id="177">
        <source>To launch the Management GUI, open a Web browser and enter https:// followed by the Management IP of your system</source>
        <translation>To launch the Management GUI, open a Web browser and enter https:// followed by the Management IP of your system</translation>
    </message>
    <message id="178">
        <source>2. Navigate to the panel containing the system details</source>
        <translation>2. Navigate to the panel containing the system details</translation>
    </message>
    <message id="179">
        <source>Select the Manage Device or System Details page in the second level of the left side navigation menu.</source>
        <translation>Select the Manage Device or System Details page in the second level of the left side navigation menu.</translation>
    </message>
    <message id="180">
        <source>3. Run the wizard to add the appropriate enclosure</source>
        <translation>3. Run the wizard to add the appropriate enclosure</translation>
    </message>
    <message id="181">
        <source>Select the existing system in the tree of system components.  In the Actions dropdown menu select the wizard to add an enclosure.</source>
        <translation>Select the existing system in the tree of system components.  In the Actions dropdown menu select the wizard to add an enclosure.</translation>
    </message>
    <message id="183">
        <source>Management IP</source>
        <translation>&amp;Management IP</translation>
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
        <translation>&amp;Internal IP Address Range</translation>
    </message>
    <message id="187">
        <source>Click Finish then eject the USB key and insert it into any USB port on the rear of the control enclosure in your Quorvex Veltara K4400 system.</source>
        <translation>Click Finish then eject the USB key and insert it into any USB port on the rear of the control enclosure in your Quorvex Veltara K4400 system.</translation>
    </message>
    <message id="188">
        <source>After the fault LED stops flashing, remove the USB key from the Quorvex Veltara K4400 System and insert it into any USB port on a File Module and wait for the location LEDs on both File Modules to stop blinking.</source>
        <translation>After the fault LED stops flashing, remove the USB key from the Quorvex Veltara K4400 System and insert it into any USB port on a File Module and wait for the location LEDs on both File Modules to stop blinking.</translation>
    </message>
    <message id="190">
        <source>%1 not valid.  Set a valid IP value that is unique.</source>
        <translation>%1 not valid.  Set a valid IP value that is unique.</translation>
    </message>
    <message id="191">
        <source>Unable to write to the initialization file.  Check your USB key available space and file permissions.</source>
        <translation>Unable to write to the initialization file.  Check your USB key available space and file permissions.</translation>
    </message>
    <message id="192">
        <source>No Internal IP Address Range has been selected. Select an Internal IP Address Range.</source>
        <translation>No Internal IP Address Range has been selected. Select an Internal IP Address Range.</translation>
    </message>
    <message id="193">
        <source>The %1 was successfully configured with the following IP addresses:</source>
        <translation>The %1 was successfully configured with the following IP addresses:</translation>
    </message>
    <message id="194">
        <source>Veltara K4400 File Module</source>
        <translation>Veltara K4400 File Module</translation>
    </message>
    <message id="195">
        <source>Launch Info Center</source>
        <translation>Launch &amp;Info Center</translation>
    </message>
    <message id="196">
        <source>To log into the Management GUI use 
UserID: admin 
Password: brisk</source>
        <translation>To log into the Management GUI use 
UserID: admin 
Password: brisk</translation>
    </message>
    <message id="9001">
        <source>Please enter an integer.</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message id="9002">
        <source>Click OK to proceed or CANCEL to re-enter the IP address.</source>
        <translation>Click OK to proceed or CANCEL to re-enter the IP address.</translation>
    </message>
    <message id="9003">
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Back</translation>
    </message>
    <message id="9004">
        <source>&amp;Next &gt;</source>
        <translation>&amp;Next &gt;</translation>
    </message>
    <message id="9005">
        <source>&amp;Finish</source>
        <translation>&amp;Finish</translation>
    </message>
    <message id="9006">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="9010">
        <source>Access to %1 was denied.</source>
        <translation>Access to %1 was denied.</translation>
    </message>
    <message id="9011">
        <source>%1 contains an incorrect path.</source>
        <translation>%1 contains an incorrect path.</translation>
    </message>
    <message id="9012">
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>A sharing violation occurred while accessing %1.</translation>
    </message>
    <message id="9013">
        <source>Too many files are open; %1 could not be opened.</source>
        <translation>Too many files are open; %1 could not be opened.</translation>
    </message>
    <message id="9014">
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>An unexpected error occurred while accessing %1.</translation>
    </message>
    <message id="9015">
        <source>There is not enough free space on the disk that holds %1.</source>
        <translation>There is not enough free space on the disk that holds %1.</translation>
    </message>
    <message id="9016">
        <source>%1 is on a write-protected or read-only disk.</source>
        <translation>%1 is on a write-protected or read-only disk.</translation>
    </message>
    <message id="9017">
        <source>%1 is not a file: a folder, a device or a pipe has that name.</source>
        <translation>%1 is not a file: a folder, a device or a pipe has that name.</translation>
    </message>
    <message id="9018">
        <source>%1 was not found.</source>
        <translation>%1 was not found.</translation>
    </message>
    <message id="9020">
        <source>%1, octet %2</source>
        <translation>%1, octet %2</translation>
    </message>
    <message id="9030">
        <source>The password reset could not be written to the USB key, so nothing will be reset. Click Back to return to the main menu and try again, or Cancel to close the wizard.</source>
        <translation>The password reset could not be written to the USB key, so nothing will be reset. Click Back to return to the main menu and try again, or Cancel to close the wizard.</translation>
    </message>
    <message id="9031">
        <source>The web browser could not be opened. To continue, open this address in a web browser yourself:

%1</source>
        <translation>The web browser could not be opened. To continue, open this address in a web browser yourself:

%1</translation>
    </message>
    <message id="9032">
        <source>The system did not report a valid address to open, so the web browser was not opened.</source>
        <translation>The system did not report a valid address to open, so the web browser was not opened.</translation>
    </message>
    <message id="9033">
        <source>Choose the USB key folder</source>
        <translation>Choose the USB key folder</translation>
    </message>
    <message id="9034">
        <source>The task file %1 from an earlier run is still on the USB key and could not be removed. The storage system will execute it when the key is inserted.</source>
        <translation>The task file %1 from an earlier run is still on the USB key and could not be removed. The storage system will execute it when the key is inserted.</translation>
    </message>
    <message id="9035">
        <source>The USB key did not give back what was written to it, so the task file was removed again. Use another USB key.</source>
        <translation>The USB key did not give back what was written to it, so the task file was removed again. Use another USB key.</translation>
    </message>
    <message id="9036">
        <source>The command's output could not be written.</source>
        <translation>The command's output could not be written.</translation>
    </message>
    <message id="9037">
        <source>The USB key holds:</source>
        <translation>The USB key holds:</translation>
    </message>
    <message id="9038">
        <source>The USB key holds no task file.</source>
        <translation>The USB key holds no task file.</translation>
    </message>
    <message id="9039">
        <source>The task file %1 could not be removed from the USB key. The storage system will execute it when the key is inserted.</source>
        <translation>The task file %1 could not be removed from the USB key. The storage system will execute it when the key is inserted.</translation>
    </message>
    <message id="9040">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="9041">
        <source>The task file was written to %1, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.</source>
        <translation>The task file was written to %1, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.</translation>
    </message>
</context>
</TS>
