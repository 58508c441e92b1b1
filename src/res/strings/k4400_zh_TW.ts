<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
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
        <translation>為 File Module 指定三個有效的 IP 位址</translation>
    </message>
    <message id="103">
        <source>Wizard</source>
        <translation>精靈</translation>
    </message>
    <message id="104">
        <source>Quorvex %1 Initialization Tool</source>
        <translation>Quorvex %1 起始設定工具</translation>
    </message>
    <message id="106">
        <source>If you are setting up your system for the first time:</source>
        <translation>如果您是第一次設定系統：</translation>
    </message>
    <message id="107">
        <source>If you are unable to access your system:</source>
        <translation>如果您無法存取系統：</translation>
    </message>
    <message id="108">
        <source>Initialize a new Veltara K4400</source>
        <translation>起始設定新的 Veltara K4400(&amp;I)</translation>
    </message>
    <message id="109">
        <source>Reset the K4400 superuser password</source>
        <translation>重設 K4400 超級使用者密碼(&amp;R)</translation>
    </message>
    <message id="110">
        <source>Set the service assistant IP address</source>
        <translation>設定服務助理 IP 位址(&amp;S)</translation>
    </message>
    <message id="111">
        <source>Specify a valid IP address for the Veltara K4400 system.</source>
        <translation>為 Veltara K4400 系統指定有效的 IP 位址。</translation>
    </message>
    <message id="112">
        <source>Note: You must have physical access to the %1 system to complete initialization.  You are required to insert the USB key into the system.</source>
        <translation>附註：若要完成起始設定，您必須能夠實際接觸 %1 系統。您必須將 USB 隨身碟插入系統。</translation>
    </message>
    <message id="113">
        <source>IP Address</source>
        <translation>IP 位址(&amp;A)</translation>
    </message>
    <message id="114">
        <source>Subnet Mask</source>
        <translation>子網路遮罩(&amp;M)</translation>
    </message>
    <message id="115">
        <source>Prefix</source>
        <translation>首碼(&amp;P)</translation>
    </message>
    <message id="116">
        <source>Gateway</source>
        <translation>閘道(&amp;G)</translation>
    </message>
    <message id="117">
        <source>IPv4</source>
        <translation>IPv4(&amp;4)</translation>
    </message>
    <message id="118">
        <source>IPv6</source>
        <translation>IPv6(&amp;6)</translation>
    </message>
    <message id="119">
        <source>Click Finish then eject the USB key and insert it into any USB port on the control enclosure of your system.</source>
        <translation>按一下「完成」，然後退出 USB 隨身碟，並將其插入系統控制機箱上的任一 USB 埠。</translation>
    </message>
    <message id="120">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to continue setting up your system.</source>
        <translation>節點模組上的琥珀色 LED 停止閃爍後，從系統中取出 USB 隨身碟，將其插入 Windows 電腦，然後再次執行起始設定工具以繼續設定系統。</translation>
    </message>
    <message id="121">
        <source>%1 is not on the same subnet as %2.  Please adjust your inputs so that these two addresses are on the same subnet.</source>
        <translation>%1 與 %2 不在同一個子網路中。請調整輸入，使這兩個位址位於同一個子網路中。</translation>
    </message>
    <message id="122">
        <source>Initialize a New System</source>
        <translation>起始設定新系統</translation>
    </message>
    <message id="123">
        <source>Transfer Information to System</source>
        <translation>將資訊傳送至系統</translation>
    </message>
    <message id="127">
        <source>Reset Superuser Password</source>
        <translation>重設超級使用者密碼</translation>
    </message>
    <message id="129">
        <source>Click Finish to reset the superuser password to:   kelpw1nd 

Remove the USB key and insert it into any USB port on the appropriate node canister.</source>
        <translation>按一下「完成」，將超級使用者密碼重設為：   kelpw1nd 

取出 USB 隨身碟，並將其插入適當節點模組上的任一 USB 埠。</translation>
    </message>
    <message id="130">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify the password reset.</source>
        <translation>節點模組上的琥珀色 LED 停止閃爍後，從系統中取出 USB 隨身碟，將其插入 Windows 電腦，然後再次執行起始設定工具以驗證密碼重設。</translation>
    </message>
    <message id="132">
        <source>Set Service Assistant IP Address</source>
        <translation>設定服務助理 IP 位址</translation>
    </message>
    <message id="133">
        <source>Configure the IP Address:</source>
        <translation>配置 IP 位址(&amp;C)：</translation>
    </message>
    <message id="134">
        <source>Reset default IP address: 192.168.70.121 for upper canister, 192.168.70.122 for lower canister</source>
        <translation>重設為預設 IP 位址(&amp;R)：上方節點模組為 192.168.70.121，下方節點模組為 192.168.70.122</translation>
    </message>
    <message id="135">
        <source>Click Finish to set the service assistant IP address. Remove the USB key and insert it into any USB port on the appropriate node canister of your system.</source>
        <translation>按一下「完成」以設定服務助理 IP 位址。取出 USB 隨身碟，並將其插入系統中適當節點模組上的任一 USB 埠。</translation>
    </message>
    <message id="137">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify service assistant IP change.</source>
        <translation>節點模組上的琥珀色 LED 停止閃爍後，從系統中取出 USB 隨身碟，將其插入 Windows 電腦，然後再次執行起始設定工具以驗證服務助理 IP 的變更。</translation>
    </message>
    <message id="138">
        <source>Transfer Information to System</source>
        <translation>將資訊傳送至系統</translation>
    </message>
    <message id="139">
        <source>'%1' is not valid.  Enter a valid IP address for the system.</source>
        <translation>「%1」無效。請輸入系統的有效 IP 位址。</translation>
    </message>
    <message id="140">
        <source>%1' is  not valid.  Enter a valid subnet mask for the system.</source>
        <translation>「%1」無效。請輸入系統的有效子網路遮罩。</translation>
    </message>
    <message id="141">
        <source>The IP address is empty.  Enter a valid IP address for the system.</source>
        <translation>IP 位址是空的。請輸入系統的有效 IP 位址。</translation>
    </message>
    <message id="143">
        <source>'%1' is not valid.  Enter a valid gateway for the system.</source>
        <translation>「%1」無效。請輸入系統的有效閘道。</translation>
    </message>
    <message id="144">
        <source>IP address cannot be validated.</source>
        <translation>：無法驗證 IP 位址。</translation>
    </message>
    <message id="146">
        <source>Initialization Results</source>
        <translation>起始設定結果</translation>
    </message>
    <message id="147">
        <source>%1 System was successfully configured with IP: </source>
        <translation>已順利使用下列 IP 配置 %1 系統：</translation>
    </message>
    <message id="148">
        <source>The battery must reach sufficient charge in order to launch the GUI. 
The estimated battery charging time is: %1 minutes. 
</source>
        <translation>電池必須有足夠的電量才能啟動 GUI。 
預估的電池充電時間為：%1 分鐘。 
</translation>
    </message>
    <message id="149">
        <source>Launch GUI</source>
        <translation>啟動 GUI(&amp;L)</translation>
    </message>
    <message id="150">
        <source>Return to Main Menu</source>
        <translation>回到主功能表(&amp;R)</translation>
    </message>
    <message id="151">
        <source>Initialization Results</source>
        <translation>起始設定結果</translation>
    </message>
    <message id="152">
        <source>%1 System was not configured successfully</source>
        <translation>未順利配置 %1 系統</translation>
    </message>
    <message id="153">
        <source>Launch Service Assistant</source>
        <translation>啟動服務助理(&amp;S)</translation>
    </message>
    <message id="154">
        <source>To log into the Management GUI use 
User: superuser 
Password: kelpw1nd</source>
        <translation>若要登入管理 GUI，請使用 
使用者：superuser 
密碼：kelpw1nd</translation>
    </message>
    <message id="155">
        <source>Try Again</source>
        <translation>重試(&amp;T)</translation>
    </message>
    <message id="156">
        <source>Reset Superuser Password Results</source>
        <translation>重設超級使用者密碼結果</translation>
    </message>
    <message id="157">
        <source>%1 System password was successfully reset to : kelpw1nd.</source>
        <translation>已順利將 %1 系統密碼重設為：kelpw1nd。</translation>
    </message>
    <message id="158">
        <source>Reset Superuser Password Results</source>
        <translation>重設超級使用者密碼結果</translation>
    </message>
    <message id="159">
        <source>%1 System password was NOT reset successfully.</source>
        <translation>未順利重設 %1 系統密碼。</translation>
    </message>
    <message id="161">
        <source>%1 System Service Assistant IP address was successfully reset to: </source>
        <translation>已順利將 %1 系統服務助理 IP 位址重設為：</translation>
    </message>
    <message id="162">
        <source>Set Service Assistant IP Address Results</source>
        <translation>設定服務助理 IP 位址結果</translation>
    </message>
    <message id="163">
        <source>Set Service Assistant IP Address Results</source>
        <translation>設定服務助理 IP 位址結果</translation>
    </message>
    <message id="164">
        <source>%1 System Service Assitant IP address  was NOT reset successfully.</source>
        <translation>未順利重設 %1 系統服務助理 IP 位址。</translation>
    </message>
    <message id="169">
        <source>The gateway address is empty.  Enter a valid gateway address for the system.</source>
        <translation>閘道位址是空的。請輸入系統的有效閘道位址。</translation>
    </message>
    <message id="170">
        <source>'%1' is not valid. Enter a valid prefix between 0-127.</source>
        <translation>「%1」無效。請輸入介於 0 到 127 之間的有效首碼。</translation>
    </message>
    <message id="171">
        <source>Unable to open the initialization file.  Check your file permissions.</source>
        <translation>無法開啟起始設定檔。請檢查檔案權限。</translation>
    </message>
    <message id="172">
        <source>Failed to read the results file.</source>
        <translation>無法讀取結果檔。</translation>
    </message>
    <message id="173">
        <source>Add an enclosure to an existing system</source>
        <translation>將機箱新增至現有系統(&amp;A)</translation>
    </message>
    <message id="174">
        <source>Add an Enclosure</source>
        <translation>新增機箱</translation>
    </message>
    <message id="175">
        <source>To add an enclosure to an existing system, you do not need to use this initialization application.  Follow the procedure below:</source>
        <translation>若要將機箱新增至現有系統，不需要使用此起始設定應用程式。請遵循下列程序：</translation>
    </message>
    <message id="176">
        <source>1. Launch the Management GUI</source>
        <translation>1. 啟動管理 GUI</translation>
    </message>
    <message id="177">
        <source>To launch the Management GUI, open a Web browser and enter https:// followed by the Management IP of your system</source>
        <translation>若要啟動管理 GUI，請開啟 Web 瀏覽器並輸入 https://，後面接著系統的管理 IP</translation>
    </message>
    <message id="178">
        <source>2. Navigate to the panel containing the system details</source>
        <translation>2. 導覽至包含系統詳細資料的畫面</translation>
    </message>
    <message id="179">
        <source>Select the Manage Device or System Details page in the second level of the left side navigation menu.</source>
        <translation>在左側導覽功能表的第二層中選取「Manage Device」或「System Details」頁面。</translation>
    </message>
    <message id="180">
        <source>3. Run the wizard to add the appropriate enclosure</source>
        <translation>3. 執行精靈以新增適當的機箱</translation>
    </message>
    <message id="181">
        <source>Select the existing system in the tree of system components.  In the Actions dropdown menu select the wizard to add an enclosure.</source>
        <translation>在系統元件樹狀結構中選取現有系統。在「Actions」下拉功能表中選取新增機箱的精靈。</translation>
    </message>
    <message id="183">
        <source>Management IP</source>
        <translation>管理 IP(&amp;M)</translation>
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
        <translation>內部 IP 位址範圍(&amp;I)</translation>
    </message>
    <message id="187">
        <source>Click Finish then eject the USB key and insert it into any USB port on the rear of the control enclosure in your Quorvex Veltara K4400 system.</source>
        <translation>按一下「完成」，然後退出 USB 隨身碟，並將其插入 Quorvex Veltara K4400 系統控制機箱背面的任一 USB 埠。</translation>
    </message>
    <message id="188">
        <source>After the fault LED stops flashing, remove the USB key from the Quorvex Veltara K4400 System and insert it into any USB port on a File Module and wait for the location LEDs on both File Modules to stop blinking.</source>
        <translation>故障 LED 停止閃爍後，從 Quorvex Veltara K4400 系統中取出 USB 隨身碟，將其插入 File Module 上的任一 USB 埠，然後等待兩個 File Module 上的位置 LED 停止閃爍。</translation>
    </message>
    <message id="190">
        <source>%1 not valid.  Set a valid IP value that is unique.</source>
        <translation>%1 無效。請設定唯一的有效 IP 值。</translation>
    </message>
    <message id="191">
        <source>Unable to write to the initialization file.  Check your USB key available space and file permissions.</source>
        <translation>無法寫入起始設定檔。請檢查 USB 隨身碟的可用空間及檔案權限。</translation>
    </message>
    <message id="192">
        <source>No Internal IP Address Range has been selected. Select an Internal IP Address Range.</source>
        <translation>未選取內部 IP 位址範圍。請選取一個內部 IP 位址範圍。</translation>
    </message>
    <message id="193">
        <source>The %1 was successfully configured with the following IP addresses:</source>
        <translation>已順利使用下列 IP 位址配置 %1：</translation>
    </message>
    <message id="194">
        <source>Veltara K4400 File Module</source>
        <translation>Veltara K4400 File Module</translation>
    </message>
    <message id="195">
        <source>Launch Info Center</source>
        <translation>啟動 Info Center(&amp;I)</translation>
    </message>
    <message id="196">
        <source>To log into the Management GUI use 
UserID: admin 
Password: brisk</source>
        <translation>若要登入管理 GUI，請使用 
使用者 ID：admin 
密碼：brisk</translation>
    </message>
    <message id="9001">
        <source>Please enter an integer.</source>
        <translation>請輸入整數。</translation>
    </message>
    <message id="9002">
        <source>Click OK to proceed or CANCEL to re-enter the IP address.</source>
        <translation>按一下「確定」以繼續，或按一下「取消」以重新輸入 IP 位址。</translation>
    </message>
    <message id="9003">
        <source>&lt; &amp;Back</source>
        <translation>&lt; 上一步(&amp;B)</translation>
    </message>
    <message id="9004">
        <source>&amp;Next &gt;</source>
        <translation>下一步(&amp;N) &gt;</translation>
    </message>
    <message id="9005">
        <source>&amp;Finish</source>
        <translation>完成(&amp;F)</translation>
    </message>
    <message id="9006">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="9010">
        <source>Access to %1 was denied.</source>
        <translation>拒絕存取 %1。</translation>
    </message>
    <message id="9011">
        <source>%1 contains an incorrect path.</source>
        <translation>%1 包含不正確的路徑。</translation>
    </message>
    <message id="9012">
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>存取 %1 時發生共用違規。</translation>
    </message>
    <message id="9013">
        <source>Too many files are open; %1 could not be opened.</source>
        <translation>開啟的檔案過多；無法開啟 %1。</translation>
    </message>
    <message id="9014">
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>存取 %1 時發生非預期的錯誤。</translation>
    </message>
    <message id="9015">
        <source>There is not enough free space on the disk that holds %1.</source>
        <translation>%1 所在的磁碟沒有足夠的可用空間。</translation>
    </message>
    <message id="9016">
        <source>%1 is on a write-protected or read-only disk.</source>
        <translation>%1 位於防寫或唯讀磁碟上。</translation>
    </message>
    <message id="9017">
        <source>%1 is not a file: a folder, a device or a pipe has that name.</source>
        <translation>%1 不是檔案：存在同名的資料夾、裝置或管道。</translation>
    </message>
    <message id="9018">
        <source>%1 was not found.</source>
        <translation>找不到 %1。</translation>
    </message>
    <message id="9020">
        <source>%1, octet %2</source>
        <translation>%1，第 %2 個八位元組</translation>
    </message>
    <message id="9030">
        <source>The password reset could not be written to the USB key, so nothing will be reset. Click Back to return to the main menu and try again, or Cancel to close the wizard.</source>
        <translation>無法將密碼重設工作寫入 USB 隨身碟，因此不會重設任何項目。按一下「上一步」回到主功能表並重試，或按一下「取消」關閉精靈。</translation>
    </message>
    <message id="9031">
        <source>The web browser could not be opened. To continue, open this address in a web browser yourself:

%1</source>
        <translation>無法開啟 Web 瀏覽器。若要繼續，請在 Web 瀏覽器中手動開啟下列位址：

%1</translation>
    </message>
    <message id="9032">
        <source>The system did not report a valid address to open, so the web browser was not opened.</source>
        <translation>系統未報告要開啟的有效位址，因此未開啟 Web 瀏覽器。</translation>
    </message>
    <message id="9033">
        <source>Choose the USB key folder</source>
        <translation>選擇 USB 隨身碟資料夾</translation>
    </message>
    <message id="9034">
        <source>The task file %1 from an earlier run is still on the USB key and could not be removed. The storage system will execute it when the key is inserted.</source>
        <translation>先前執行留下的工作檔案 %1 仍在 USB 隨身碟上，且無法移除。插入隨身碟後，儲存系統將執行該工作。</translation>
    </message>
    <message id="9035">
        <source>The USB key did not give back what was written to it, so the task file was removed again. Use another USB key.</source>
        <translation>USB 隨身碟未能傳回寫入的內容，因此已移除工作檔案。請使用其他 USB 隨身碟。</translation>
    </message>
    <message id="9036">
        <source>The command's output could not be written.</source>
        <translation>無法寫入命令的輸出。</translation>
    </message>
    <message id="9037">
        <source>The USB key holds:</source>
        <translation>USB 隨身碟上有：</translation>
    </message>
    <message id="9038">
        <source>The USB key holds no task file.</source>
        <translation>USB 隨身碟上沒有工作檔案。</translation>
    </message>
    <message id="9039">
        <source>The task file %1 could not be removed from the USB key. The storage system will execute it when the key is inserted.</source>
        <translation>無法從 USB 隨身碟移除工作檔案 %1。插入隨身碟後，儲存系統將執行該工作。</translation>
    </message>
    <message id="9040">
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="9041">
        <source>The task file was written to %1, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.</source>
        <translation>工作檔案已寫入 %1，但該資料夾不是 USB 隨身碟的根資料夾。儲存系統只會讀取隨身碟根資料夾中的工作檔案。</translation>
    </message>
</context>
</TS>
