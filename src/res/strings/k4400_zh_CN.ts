<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
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
        <translation>为 File Module 指定三个有效的 IP 地址</translation>
    </message>
    <message id="103">
        <source>Wizard</source>
        <translation>向导</translation>
    </message>
    <message id="104">
        <source>Quorvex %1 Initialization Tool</source>
        <translation>Quorvex %1 初始化工具</translation>
    </message>
    <message id="106">
        <source>If you are setting up your system for the first time:</source>
        <translation>如果您是首次设置系统：</translation>
    </message>
    <message id="107">
        <source>If you are unable to access your system:</source>
        <translation>如果您无法访问系统：</translation>
    </message>
    <message id="108">
        <source>Initialize a new Veltara K4400</source>
        <translation>初始化新的 Veltara K4400(&amp;I)</translation>
    </message>
    <message id="109">
        <source>Reset the K4400 superuser password</source>
        <translation>重置 K4400 超级用户密码(&amp;R)</translation>
    </message>
    <message id="110">
        <source>Set the service assistant IP address</source>
        <translation>设置服务助手 IP 地址(&amp;S)</translation>
    </message>
    <message id="111">
        <source>Specify a valid IP address for the Veltara K4400 system.</source>
        <translation>为 Veltara K4400 系统指定有效的 IP 地址。</translation>
    </message>
    <message id="112">
        <source>Note: You must have physical access to the %1 system to complete initialization.  You are required to insert the USB key into the system.</source>
        <translation>注意：要完成初始化，您必须能够实际接触 %1 系统。您需要将 USB 闪存盘插入系统。</translation>
    </message>
    <message id="113">
        <source>IP Address</source>
        <translation>IP 地址(&amp;A)</translation>
    </message>
    <message id="114">
        <source>Subnet Mask</source>
        <translation>子网掩码(&amp;M)</translation>
    </message>
    <message id="115">
        <source>Prefix</source>
        <translation>前缀(&amp;P)</translation>
    </message>
    <message id="116">
        <source>Gateway</source>
        <translation>网关(&amp;G)</translation>
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
        <translation>单击“完成”，然后弹出 USB 闪存盘，并将其插入系统控制机箱上的任一 USB 端口。</translation>
    </message>
    <message id="120">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to continue setting up your system.</source>
        <translation>节点容器上的琥珀色 LED 停止闪烁后，从系统中取出 USB 闪存盘，将其插入 Windows 计算机，然后再次运行初始化工具以继续设置系统。</translation>
    </message>
    <message id="121">
        <source>%1 is not on the same subnet as %2.  Please adjust your inputs so that these two addresses are on the same subnet.</source>
        <translation>%1 与 %2 不在同一子网中。请调整输入，使这两个地址位于同一子网中。</translation>
    </message>
    <message id="122">
        <source>Initialize a New System</source>
        <translation>初始化新系统</translation>
    </message>
    <message id="123">
        <source>Transfer Information to System</source>
        <translation>将信息传输到系统</translation>
    </message>
    <message id="127">
        <source>Reset Superuser Password</source>
        <translation>重置超级用户密码</translation>
    </message>
    <message id="129">
        <source>Click Finish to reset the superuser password to:   kelpw1nd 

Remove the USB key and insert it into any USB port on the appropriate node canister.</source>
        <translation>单击“完成”，将超级用户密码重置为：   kelpw1nd 

取出 USB 闪存盘，并将其插入相应节点容器上的任一 USB 端口。</translation>
    </message>
    <message id="130">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify the password reset.</source>
        <translation>节点容器上的琥珀色 LED 停止闪烁后，从系统中取出 USB 闪存盘，将其插入 Windows 计算机，然后再次运行初始化工具以验证密码重置。</translation>
    </message>
    <message id="132">
        <source>Set Service Assistant IP Address</source>
        <translation>设置服务助手 IP 地址</translation>
    </message>
    <message id="133">
        <source>Configure the IP Address:</source>
        <translation>配置 IP 地址(&amp;C)：</translation>
    </message>
    <message id="134">
        <source>Reset default IP address: 192.168.70.121 for upper canister, 192.168.70.122 for lower canister</source>
        <translation>重置为缺省 IP 地址(&amp;R)：上部容器为 192.168.70.121，下部容器为 192.168.70.122</translation>
    </message>
    <message id="135">
        <source>Click Finish to set the service assistant IP address. Remove the USB key and insert it into any USB port on the appropriate node canister of your system.</source>
        <translation>单击“完成”以设置服务助手 IP 地址。取出 USB 闪存盘，并将其插入系统中相应节点容器上的任一 USB 端口。</translation>
    </message>
    <message id="137">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify service assistant IP change.</source>
        <translation>节点容器上的琥珀色 LED 停止闪烁后，从系统中取出 USB 闪存盘，将其插入 Windows 计算机，然后再次运行初始化工具以验证服务助手 IP 的更改。</translation>
    </message>
    <message id="138">
        <source>Transfer Information to System</source>
        <translation>将信息传输到系统</translation>
    </message>
    <message id="139">
        <source>'%1' is not valid.  Enter a valid IP address for the system.</source>
        <translation>“%1”无效。请输入系统的有效 IP 地址。</translation>
    </message>
    <message id="140">
        <source>%1' is  not valid.  Enter a valid subnet mask for the system.</source>
        <translation>“%1”无效。请输入系统的有效子网掩码。</translation>
    </message>
    <message id="141">
        <source>The IP address is empty.  Enter a valid IP address for the system.</source>
        <translation>IP 地址为空。请输入系统的有效 IP 地址。</translation>
    </message>
    <message id="143">
        <source>'%1' is not valid.  Enter a valid gateway for the system.</source>
        <translation>“%1”无效。请输入系统的有效网关。</translation>
    </message>
    <message id="144">
        <source>IP address cannot be validated.</source>
        <translation>：无法验证 IP 地址。</translation>
    </message>
    <message id="146">
        <source>Initialization Results</source>
        <translation>初始化结果</translation>
    </message>
    <message id="147">
        <source>%1 System was successfully configured with IP: </source>
        <translation>已成功使用以下 IP 配置 %1 系统：</translation>
    </message>
    <message id="148">
        <source>The battery must reach sufficient charge in order to launch the GUI. 
The estimated battery charging time is: %1 minutes. 
</source>
        <translation>电池电量必须充足才能启动 GUI。 
估计的电池充电时间为：%1 分钟。 
</translation>
    </message>
    <message id="149">
        <source>Launch GUI</source>
        <translation>启动 GUI(&amp;L)</translation>
    </message>
    <message id="150">
        <source>Return to Main Menu</source>
        <translation>返回主菜单(&amp;R)</translation>
    </message>
    <message id="151">
        <source>Initialization Results</source>
        <translation>初始化结果</translation>
    </message>
    <message id="152">
        <source>%1 System was not configured successfully</source>
        <translation>未成功配置 %1 系统</translation>
    </message>
    <message id="153">
        <source>Launch Service Assistant</source>
        <translation>启动服务助手(&amp;S)</translation>
    </message>
    <message id="154">
        <source>To log into the Management GUI use 
User: superuser 
Password: kelpw1nd</source>
        <translation>要登录管理 GUI，请使用 
用户：superuser 
密码：kelpw1nd</translation>
    </message>
    <message id="155">
        <source>Try Again</source>
        <translation>重试(&amp;T)</translation>
    </message>
    <message id="156">
        <source>Reset Superuser Password Results</source>
        <translation>重置超级用户密码结果</translation>
    </message>
    <message id="157">
        <source>%1 System password was successfully reset to : kelpw1nd.</source>
        <translation>已成功将 %1 系统密码重置为：kelpw1nd。</translation>
    </message>
    <message id="158">
        <source>Reset Superuser Password Results</source>
        <translation>重置超级用户密码结果</translation>
    </message>
    <message id="159">
        <source>%1 System password was NOT reset successfully.</source>
        <translation>未成功重置 %1 系统密码。</translation>
    </message>
    <message id="161">
        <source>%1 System Service Assistant IP address was successfully reset to: </source>
        <translation>已成功将 %1 系统服务助手 IP 地址重置为：</translation>
    </message>
    <message id="162">
        <source>Set Service Assistant IP Address Results</source>
        <translation>设置服务助手 IP 地址结果</translation>
    </message>
    <message id="163">
        <source>Set Service Assistant IP Address Results</source>
        <translation>设置服务助手 IP 地址结果</translation>
    </message>
    <message id="164">
        <source>%1 System Service Assitant IP address  was NOT reset successfully.</source>
        <translation>未成功重置 %1 系统服务助手 IP 地址。</translation>
    </message>
    <message id="169">
        <source>The gateway address is empty.  Enter a valid gateway address for the system.</source>
        <translation>网关地址为空。请输入系统的有效网关地址。</translation>
    </message>
    <message id="170">
        <source>'%1' is not valid. Enter a valid prefix between 0-127.</source>
        <translation>“%1”无效。请输入介于 0 到 127 之间的有效前缀。</translation>
    </message>
    <message id="171">
        <source>Unable to open the initialization file.  Check your file permissions.</source>
        <translation>无法打开初始化文件。请检查文件权限。</translation>
    </message>
    <message id="172">
        <source>Failed to read the results file.</source>
        <translation>未能读取结果文件。</translation>
    </message>
    <message id="173">
        <source>Add an enclosure to an existing system</source>
        <translation>向现有系统添加机箱(&amp;A)</translation>
    </message>
    <message id="174">
        <source>Add an Enclosure</source>
        <translation>添加机箱</translation>
    </message>
    <message id="175">
        <source>To add an enclosure to an existing system, you do not need to use this initialization application.  Follow the procedure below:</source>
        <translation>要向现有系统添加机箱，无需使用此初始化应用程序。请执行以下过程：</translation>
    </message>
    <message id="176">
        <source>1. Launch the Management GUI</source>
        <translation>1. 启动管理 GUI</translation>
    </message>
    <message id="177">
        <source>To launch the Management GUI, open a Web browser and enter https:// followed by the Management IP of your system</source>
        <translation>要启动管理 GUI，请打开 Web 浏览器并输入 https://，后跟系统的管理 IP</translation>
    </message>
    <message id="178">
        <source>2. Navigate to the panel containing the system details</source>
        <translation>2. 导航到包含系统详细信息的面板</translation>
    </message>
    <message id="179">
        <source>Select the Manage Device or System Details page in the second level of the left side navigation menu.</source>
        <translation>在左侧导航菜单的第二级中选择“Manage Device”或“System Details”页面。</translation>
    </message>
    <message id="180">
        <source>3. Run the wizard to add the appropriate enclosure</source>
        <translation>3. 运行向导以添加相应的机箱</translation>
    </message>
    <message id="181">
        <source>Select the existing system in the tree of system components.  In the Actions dropdown menu select the wizard to add an enclosure.</source>
        <translation>在系统组件树中选择现有系统。在“Actions”下拉菜单中选择添加机箱的向导。</translation>
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
        <translation>内部 IP 地址范围(&amp;I)</translation>
    </message>
    <message id="187">
        <source>Click Finish then eject the USB key and insert it into any USB port on the rear of the control enclosure in your Quorvex Veltara K4400 system.</source>
        <translation>单击“完成”，然后弹出 USB 闪存盘，并将其插入 Quorvex Veltara K4400 系统控制机箱背面的任一 USB 端口。</translation>
    </message>
    <message id="188">
        <source>After the fault LED stops flashing, remove the USB key from the Quorvex Veltara K4400 System and insert it into any USB port on a File Module and wait for the location LEDs on both File Modules to stop blinking.</source>
        <translation>故障 LED 停止闪烁后，从 Quorvex Veltara K4400 系统中取出 USB 闪存盘，将其插入 File Module 上的任一 USB 端口，然后等待两个 File Module 上的位置 LED 停止闪烁。</translation>
    </message>
    <message id="190">
        <source>%1 not valid.  Set a valid IP value that is unique.</source>
        <translation>%1 无效。请设置唯一的有效 IP 值。</translation>
    </message>
    <message id="191">
        <source>Unable to write to the initialization file.  Check your USB key available space and file permissions.</source>
        <translation>无法写入初始化文件。请检查 USB 闪存盘的可用空间和文件权限。</translation>
    </message>
    <message id="192">
        <source>No Internal IP Address Range has been selected. Select an Internal IP Address Range.</source>
        <translation>未选择内部 IP 地址范围。请选择一个内部 IP 地址范围。</translation>
    </message>
    <message id="193">
        <source>The %1 was successfully configured with the following IP addresses:</source>
        <translation>已成功使用以下 IP 地址配置 %1：</translation>
    </message>
    <message id="194">
        <source>Veltara K4400 File Module</source>
        <translation>Veltara K4400 File Module</translation>
    </message>
    <message id="195">
        <source>Launch Info Center</source>
        <translation>启动 Info Center(&amp;I)</translation>
    </message>
    <message id="196">
        <source>To log into the Management GUI use 
UserID: admin 
Password: brisk</source>
        <translation>要登录管理 GUI，请使用 
用户标识：admin 
密码：brisk</translation>
    </message>
    <message id="9001">
        <source>Please enter an integer.</source>
        <translation>请输入整数。</translation>
    </message>
    <message id="9002">
        <source>Click OK to proceed or CANCEL to re-enter the IP address.</source>
        <translation>单击“确定”以继续，或单击“取消”以重新输入 IP 地址。</translation>
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
        <translation>拒绝访问 %1。</translation>
    </message>
    <message id="9011">
        <source>%1 contains an incorrect path.</source>
        <translation>%1 包含不正确的路径。</translation>
    </message>
    <message id="9012">
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>访问 %1 时发生共享冲突。</translation>
    </message>
    <message id="9013">
        <source>Too many files are open; %1 could not be opened.</source>
        <translation>打开的文件过多；无法打开 %1。</translation>
    </message>
    <message id="9014">
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>访问 %1 时发生意外错误。</translation>
    </message>
    <message id="9015">
        <source>There is not enough free space on the disk that holds %1.</source>
        <translation>%1 所在的磁盘没有足够的可用空间。</translation>
    </message>
    <message id="9016">
        <source>%1 is on a write-protected or read-only disk.</source>
        <translation>%1 位于写保护或只读磁盘上。</translation>
    </message>
    <message id="9017">
        <source>%1 is not a file: a folder, a device or a pipe has that name.</source>
        <translation>%1 不是文件：存在同名的文件夹、设备或管道。</translation>
    </message>
    <message id="9018">
        <source>%1 was not found.</source>
        <translation>找不到 %1。</translation>
    </message>
    <message id="9020">
        <source>%1, octet %2</source>
        <translation>%1，第 %2 个八位字节</translation>
    </message>
    <message id="9030">
        <source>The password reset could not be written to the USB key, so nothing will be reset. Click Back to return to the main menu and try again, or Cancel to close the wizard.</source>
        <translation>无法将密码重置任务写入 USB 闪存盘，因此不会重置任何内容。单击“上一步”返回主菜单并重试，或单击“取消”关闭向导。</translation>
    </message>
    <message id="9031">
        <source>The web browser could not be opened. To continue, open this address in a web browser yourself:

%1</source>
        <translation>无法打开 Web 浏览器。要继续，请在 Web 浏览器中手动打开以下地址：

%1</translation>
    </message>
    <message id="9032">
        <source>The system did not report a valid address to open, so the web browser was not opened.</source>
        <translation>系统未报告要打开的有效地址，因此未打开 Web 浏览器。</translation>
    </message>
    <message id="9033">
        <source>Choose the USB key folder</source>
        <translation>选择 USB 闪存盘文件夹</translation>
    </message>
    <message id="9034">
        <source>The task file %1 from an earlier run is still on the USB key and could not be removed. The storage system will execute it when the key is inserted.</source>
        <translation>先前运行留下的任务文件 %1 仍在 USB 闪存盘上，且无法删除。插入闪存盘后，存储系统将执行该任务。</translation>
    </message>
    <message id="9035">
        <source>The USB key did not give back what was written to it, so the task file was removed again. Use another USB key.</source>
        <translation>USB 闪存盘未能返回写入的内容，因此已删除任务文件。请使用其他 USB 闪存盘。</translation>
    </message>
    <message id="9036">
        <source>The command's output could not be written.</source>
        <translation>无法写入命令的输出。</translation>
    </message>
    <message id="9037">
        <source>The USB key holds:</source>
        <translation>USB 闪存盘上有：</translation>
    </message>
    <message id="9038">
        <source>The USB key holds no task file.</source>
        <translation>USB 闪存盘上没有任务文件。</translation>
    </message>
    <message id="9039">
        <source>The task file %1 could not be removed from the USB key. The storage system will execute it when the key is inserted.</source>
        <translation>无法从 USB 闪存盘删除任务文件 %1。插入闪存盘后，存储系统将执行该任务。</translation>
    </message>
    <message id="9040">
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="9041">
        <source>The task file was written to %1, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.</source>
        <translation>任务文件已写入 %1，但该文件夹不是 USB 闪存盘的根文件夹。存储系统只读取闪存盘根文件夹中的任务文件。</translation>
    </message>
</context>
</TS>
