<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
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
        <translation>File Module에 사용할 유효한 IP 주소 3개를 지정하십시오</translation>
    </message>
    <message id="103">
        <source>Wizard</source>
        <translation>마법사</translation>
    </message>
    <message id="104">
        <source>Quorvex %1 Initialization Tool</source>
        <translation>Quorvex %1 초기화 도구</translation>
    </message>
    <message id="106">
        <source>If you are setting up your system for the first time:</source>
        <translation>시스템을 처음 설정하는 경우:</translation>
    </message>
    <message id="107">
        <source>If you are unable to access your system:</source>
        <translation>시스템에 액세스할 수 없는 경우:</translation>
    </message>
    <message id="108">
        <source>Initialize a new Veltara K4400</source>
        <translation>새 Veltara K4400 초기화(&amp;I)</translation>
    </message>
    <message id="109">
        <source>Reset the K4400 superuser password</source>
        <translation>K4400 슈퍼유저 비밀번호 재설정(&amp;R)</translation>
    </message>
    <message id="110">
        <source>Set the service assistant IP address</source>
        <translation>서비스 어시스턴트 IP 주소 설정(&amp;S)</translation>
    </message>
    <message id="111">
        <source>Specify a valid IP address for the Veltara K4400 system.</source>
        <translation>Veltara K4400 시스템의 유효한 IP 주소를 지정하십시오.</translation>
    </message>
    <message id="112">
        <source>Note: You must have physical access to the %1 system to complete initialization.  You are required to insert the USB key into the system.</source>
        <translation>참고: 초기화를 완료하려면 %1 시스템에 물리적으로 액세스할 수 있어야 합니다. USB 키를 시스템에 삽입해야 합니다.</translation>
    </message>
    <message id="113">
        <source>IP Address</source>
        <translation>IP 주소(&amp;A)</translation>
    </message>
    <message id="114">
        <source>Subnet Mask</source>
        <translation>서브넷 마스크(&amp;M)</translation>
    </message>
    <message id="115">
        <source>Prefix</source>
        <translation>접두사(&amp;P)</translation>
    </message>
    <message id="116">
        <source>Gateway</source>
        <translation>게이트웨이(&amp;G)</translation>
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
        <translation>[마침]을 클릭한 후 USB 키를 꺼내어 시스템 제어 인클로저의 USB 포트에 삽입하십시오.</translation>
    </message>
    <message id="120">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to continue setting up your system.</source>
        <translation>노드 캐니스터의 황색 LED가 깜박임을 멈추면 시스템에서 USB 키를 제거하여 Windows 컴퓨터에 삽입한 다음 초기화 도구를 다시 실행하여 시스템 설정을 계속하십시오.</translation>
    </message>
    <message id="121">
        <source>%1 is not on the same subnet as %2.  Please adjust your inputs so that these two addresses are on the same subnet.</source>
        <translation>%1이(가) %2과(와) 같은 서브넷에 있지 않습니다. 두 주소가 같은 서브넷에 있도록 입력을 조정하십시오.</translation>
    </message>
    <message id="122">
        <source>Initialize a New System</source>
        <translation>새 시스템 초기화</translation>
    </message>
    <message id="123">
        <source>Transfer Information to System</source>
        <translation>시스템으로 정보 전송</translation>
    </message>
    <message id="127">
        <source>Reset Superuser Password</source>
        <translation>슈퍼유저 비밀번호 재설정</translation>
    </message>
    <message id="129">
        <source>Click Finish to reset the superuser password to:   kelpw1nd 

Remove the USB key and insert it into any USB port on the appropriate node canister.</source>
        <translation>슈퍼유저 비밀번호를 다음으로 재설정하려면 [마침]을 클릭하십시오:   kelpw1nd 

USB 키를 제거하여 해당 노드 캐니스터의 USB 포트에 삽입하십시오.</translation>
    </message>
    <message id="130">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify the password reset.</source>
        <translation>노드 캐니스터의 황색 LED가 깜박임을 멈추면 시스템에서 USB 키를 제거하여 Windows 컴퓨터에 삽입한 다음 초기화 도구를 다시 실행하여 비밀번호 재설정을 확인하십시오.</translation>
    </message>
    <message id="132">
        <source>Set Service Assistant IP Address</source>
        <translation>서비스 어시스턴트 IP 주소 설정</translation>
    </message>
    <message id="133">
        <source>Configure the IP Address:</source>
        <translation>IP 주소 구성(&amp;C):</translation>
    </message>
    <message id="134">
        <source>Reset default IP address: 192.168.70.121 for upper canister, 192.168.70.122 for lower canister</source>
        <translation>기본 IP 주소로 재설정(&amp;R): 상단 캐니스터 192.168.70.121, 하단 캐니스터 192.168.70.122</translation>
    </message>
    <message id="135">
        <source>Click Finish to set the service assistant IP address. Remove the USB key and insert it into any USB port on the appropriate node canister of your system.</source>
        <translation>서비스 어시스턴트 IP 주소를 설정하려면 [마침]을 클릭하십시오. USB 키를 제거하여 시스템의 해당 노드 캐니스터에 있는 USB 포트에 삽입하십시오.</translation>
    </message>
    <message id="137">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify service assistant IP change.</source>
        <translation>노드 캐니스터의 황색 LED가 깜박임을 멈추면 시스템에서 USB 키를 제거하여 Windows 컴퓨터에 삽입한 다음 초기화 도구를 다시 실행하여 서비스 어시스턴트 IP 변경을 확인하십시오.</translation>
    </message>
    <message id="138">
        <source>Transfer Information to System</source>
        <translation>시스템으로 정보 전송</translation>
    </message>
    <message id="139">
        <source>'%1' is not valid.  Enter a valid IP address for the system.</source>
        <translation>'%1'은(는) 올바르지 않습니다. 시스템의 유효한 IP 주소를 입력하십시오.</translation>
    </message>
    <message id="140">
        <source>%1' is  not valid.  Enter a valid subnet mask for the system.</source>
        <translation>'%1'은(는) 올바르지 않습니다. 시스템의 유효한 서브넷 마스크를 입력하십시오.</translation>
    </message>
    <message id="141">
        <source>The IP address is empty.  Enter a valid IP address for the system.</source>
        <translation>IP 주소가 비어 있습니다. 시스템의 유효한 IP 주소를 입력하십시오.</translation>
    </message>
    <message id="143">
        <source>'%1' is not valid.  Enter a valid gateway for the system.</source>
        <translation>'%1'은(는) 올바르지 않습니다. 시스템의 유효한 게이트웨이를 입력하십시오.</translation>
    </message>
    <message id="144">
        <source>IP address cannot be validated.</source>
        <translation>: IP 주소를 검증할 수 없습니다.</translation>
    </message>
    <message id="146">
        <source>Initialization Results</source>
        <translation>초기화 결과</translation>
    </message>
    <message id="147">
        <source>%1 System was successfully configured with IP: </source>
        <translation>%1 시스템이 다음 IP로 구성되었습니다: </translation>
    </message>
    <message id="148">
        <source>The battery must reach sufficient charge in order to launch the GUI. 
The estimated battery charging time is: %1 minutes. 
</source>
        <translation>GUI를 실행하려면 배터리가 충분히 충전되어야 합니다. 
예상 배터리 충전 시간: %1분 
</translation>
    </message>
    <message id="149">
        <source>Launch GUI</source>
        <translation>GUI 실행(&amp;L)</translation>
    </message>
    <message id="150">
        <source>Return to Main Menu</source>
        <translation>기본 메뉴로 돌아가기(&amp;R)</translation>
    </message>
    <message id="151">
        <source>Initialization Results</source>
        <translation>초기화 결과</translation>
    </message>
    <message id="152">
        <source>%1 System was not configured successfully</source>
        <translation>%1 시스템이 구성되지 않았습니다</translation>
    </message>
    <message id="153">
        <source>Launch Service Assistant</source>
        <translation>서비스 어시스턴트 실행(&amp;S)</translation>
    </message>
    <message id="154">
        <source>To log into the Management GUI use 
User: superuser 
Password: kelpw1nd</source>
        <translation>관리 GUI에 로그인하려면 다음을 사용하십시오. 
사용자: superuser 
비밀번호: kelpw1nd</translation>
    </message>
    <message id="155">
        <source>Try Again</source>
        <translation>다시 시도(&amp;T)</translation>
    </message>
    <message id="156">
        <source>Reset Superuser Password Results</source>
        <translation>슈퍼유저 비밀번호 재설정 결과</translation>
    </message>
    <message id="157">
        <source>%1 System password was successfully reset to : kelpw1nd.</source>
        <translation>%1 시스템 비밀번호가 다음으로 재설정되었습니다: kelpw1nd</translation>
    </message>
    <message id="158">
        <source>Reset Superuser Password Results</source>
        <translation>슈퍼유저 비밀번호 재설정 결과</translation>
    </message>
    <message id="159">
        <source>%1 System password was NOT reset successfully.</source>
        <translation>%1 시스템 비밀번호가 재설정되지 않았습니다.</translation>
    </message>
    <message id="161">
        <source>%1 System Service Assistant IP address was successfully reset to: </source>
        <translation>%1 시스템 서비스 어시스턴트 IP 주소가 다음으로 설정되었습니다: </translation>
    </message>
    <message id="162">
        <source>Set Service Assistant IP Address Results</source>
        <translation>서비스 어시스턴트 IP 주소 설정 결과</translation>
    </message>
    <message id="163">
        <source>Set Service Assistant IP Address Results</source>
        <translation>서비스 어시스턴트 IP 주소 설정 결과</translation>
    </message>
    <message id="164">
        <source>%1 System Service Assitant IP address  was NOT reset successfully.</source>
        <translation>%1 시스템 서비스 어시스턴트 IP 주소가 설정되지 않았습니다.</translation>
    </message>
    <message id="169">
        <source>The gateway address is empty.  Enter a valid gateway address for the system.</source>
        <translation>게이트웨이 주소가 비어 있습니다. 시스템의 유효한 게이트웨이 주소를 입력하십시오.</translation>
    </message>
    <message id="170">
        <source>'%1' is not valid. Enter a valid prefix between 0-127.</source>
        <translation>'%1'은(는) 올바르지 않습니다. 0에서 127 사이의 유효한 접두사를 입력하십시오.</translation>
    </message>
    <message id="171">
        <source>Unable to open the initialization file.  Check your file permissions.</source>
        <translation>초기화 파일을 열 수 없습니다. 파일 권한을 확인하십시오.</translation>
    </message>
    <message id="172">
        <source>Failed to read the results file.</source>
        <translation>결과 파일을 읽지 못했습니다.</translation>
    </message>
    <message id="173">
        <source>Add an enclosure to an existing system</source>
        <translation>기존 시스템에 인클로저 추가(&amp;A)</translation>
    </message>
    <message id="174">
        <source>Add an Enclosure</source>
        <translation>인클로저 추가</translation>
    </message>
    <message id="175">
        <source>To add an enclosure to an existing system, you do not need to use this initialization application.  Follow the procedure below:</source>
        <translation>기존 시스템에 인클로저를 추가할 때는 이 초기화 애플리케이션을 사용하지 않아도 됩니다. 다음 절차를 따르십시오.</translation>
    </message>
    <message id="176">
        <source>1. Launch the Management GUI</source>
        <translation>1. 관리 GUI 실행</translation>
    </message>
    <message id="177">
        <source>To launch the Management GUI, open a Web browser and enter https:// followed by the Management IP of your system</source>
        <translation>관리 GUI를 실행하려면 웹 브라우저를 열고 https:// 다음에 시스템의 관리 IP를 입력하십시오.</translation>
    </message>
    <message id="178">
        <source>2. Navigate to the panel containing the system details</source>
        <translation>2. 시스템 세부사항이 있는 패널로 이동</translation>
    </message>
    <message id="179">
        <source>Select the Manage Device or System Details page in the second level of the left side navigation menu.</source>
        <translation>왼쪽 탐색 메뉴의 두 번째 레벨에서 Manage Device 또는 System Details 페이지를 선택하십시오.</translation>
    </message>
    <message id="180">
        <source>3. Run the wizard to add the appropriate enclosure</source>
        <translation>3. 마법사를 실행하여 해당 인클로저 추가</translation>
    </message>
    <message id="181">
        <source>Select the existing system in the tree of system components.  In the Actions dropdown menu select the wizard to add an enclosure.</source>
        <translation>시스템 구성요소 트리에서 기존 시스템을 선택하십시오. Actions 드롭다운 메뉴에서 인클로저를 추가하는 마법사를 선택하십시오.</translation>
    </message>
    <message id="183">
        <source>Management IP</source>
        <translation>관리 IP(&amp;M)</translation>
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
        <translation>내부 IP 주소 범위(&amp;I)</translation>
    </message>
    <message id="187">
        <source>Click Finish then eject the USB key and insert it into any USB port on the rear of the control enclosure in your Quorvex Veltara K4400 system.</source>
        <translation>[마침]을 클릭한 후 USB 키를 꺼내어 Quorvex Veltara K4400 시스템 제어 인클로저 뒷면의 USB 포트에 삽입하십시오.</translation>
    </message>
    <message id="188">
        <source>After the fault LED stops flashing, remove the USB key from the Quorvex Veltara K4400 System and insert it into any USB port on a File Module and wait for the location LEDs on both File Modules to stop blinking.</source>
        <translation>결함 LED가 깜박임을 멈추면 Quorvex Veltara K4400 시스템에서 USB 키를 제거하여 File Module의 USB 포트에 삽입한 다음 두 File Module의 위치 LED가 깜박임을 멈출 때까지 기다리십시오.</translation>
    </message>
    <message id="190">
        <source>%1 not valid.  Set a valid IP value that is unique.</source>
        <translation>%1이(가) 올바르지 않습니다. 고유하고 유효한 IP 값을 설정하십시오.</translation>
    </message>
    <message id="191">
        <source>Unable to write to the initialization file.  Check your USB key available space and file permissions.</source>
        <translation>초기화 파일에 쓸 수 없습니다. USB 키의 사용 가능한 공간과 파일 권한을 확인하십시오.</translation>
    </message>
    <message id="192">
        <source>No Internal IP Address Range has been selected. Select an Internal IP Address Range.</source>
        <translation>내부 IP 주소 범위가 선택되지 않았습니다. 내부 IP 주소 범위를 선택하십시오.</translation>
    </message>
    <message id="193">
        <source>The %1 was successfully configured with the following IP addresses:</source>
        <translation>%1이(가) 다음 IP 주소로 구성되었습니다.</translation>
    </message>
    <message id="194">
        <source>Veltara K4400 File Module</source>
        <translation>Veltara K4400 File Module</translation>
    </message>
    <message id="195">
        <source>Launch Info Center</source>
        <translation>Info Center 실행(&amp;I)</translation>
    </message>
    <message id="196">
        <source>To log into the Management GUI use 
UserID: admin 
Password: brisk</source>
        <translation>관리 GUI에 로그인하려면 다음을 사용하십시오. 
사용자 ID: admin 
비밀번호: brisk</translation>
    </message>
    <message id="9001">
        <source>Please enter an integer.</source>
        <translation>정수를 입력하십시오.</translation>
    </message>
    <message id="9002">
        <source>Click OK to proceed or CANCEL to re-enter the IP address.</source>
        <translation>계속하려면 [확인]을, IP 주소를 다시 입력하려면 [취소]를 클릭하십시오.</translation>
    </message>
    <message id="9003">
        <source>&lt; &amp;Back</source>
        <translation>&lt; 뒤로(&amp;B)</translation>
    </message>
    <message id="9004">
        <source>&amp;Next &gt;</source>
        <translation>다음(&amp;N) &gt;</translation>
    </message>
    <message id="9005">
        <source>&amp;Finish</source>
        <translation>마침(&amp;F)</translation>
    </message>
    <message id="9006">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="9010">
        <source>Access to %1 was denied.</source>
        <translation>%1에 대한 액세스가 거부되었습니다.</translation>
    </message>
    <message id="9011">
        <source>%1 contains an incorrect path.</source>
        <translation>%1에 잘못된 경로가 있습니다.</translation>
    </message>
    <message id="9012">
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>%1에 액세스하는 중 공유 위반이 발생했습니다.</translation>
    </message>
    <message id="9013">
        <source>Too many files are open; %1 could not be opened.</source>
        <translation>열린 파일이 너무 많아 %1을(를) 열 수 없습니다.</translation>
    </message>
    <message id="9014">
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>%1에 액세스하는 중 예기치 않은 오류가 발생했습니다.</translation>
    </message>
    <message id="9015">
        <source>There is not enough free space on the disk that holds %1.</source>
        <translation>%1이(가) 있는 디스크에 사용 가능한 공간이 부족합니다.</translation>
    </message>
    <message id="9016">
        <source>%1 is on a write-protected or read-only disk.</source>
        <translation>%1이(가) 쓰기 방지되었거나 읽기 전용인 디스크에 있습니다.</translation>
    </message>
    <message id="9017">
        <source>%1 is not a file: a folder, a device or a pipe has that name.</source>
        <translation>%1은(는) 파일이 아닙니다. 같은 이름의 폴더, 장치 또는 파이프가 있습니다.</translation>
    </message>
    <message id="9018">
        <source>%1 was not found.</source>
        <translation>%1을(를) 찾을 수 없습니다.</translation>
    </message>
    <message id="9020">
        <source>%1, octet %2</source>
        <translation>%1, 옥텟 %2</translation>
    </message>
    <message id="9030">
        <source>The password reset could not be written to the USB key, so nothing will be reset. Click Back to return to the main menu and try again, or Cancel to close the wizard.</source>
        <translation>비밀번호 재설정 요청을 USB 키에 쓸 수 없으므로 비밀번호가 재설정되지 않습니다. 기본 메뉴로 돌아가 다시 시도하려면 [뒤로]를, 마법사를 닫으려면 [취소]를 클릭하십시오.</translation>
    </message>
    <message id="9031">
        <source>The web browser could not be opened. To continue, open this address in a web browser yourself:

%1</source>
        <translation>웹 브라우저를 열 수 없습니다. 계속하려면 웹 브라우저에서 다음 주소를 직접 여십시오:

%1</translation>
    </message>
    <message id="9032">
        <source>The system did not report a valid address to open, so the web browser was not opened.</source>
        <translation>시스템에서 열 유효한 주소를 보고하지 않았으므로 웹 브라우저를 열지 않았습니다.</translation>
    </message>
    <message id="9033">
        <source>Choose the USB key folder</source>
        <translation>USB 키 폴더 선택</translation>
    </message>
    <message id="9034">
        <source>The task file %1 from an earlier run is still on the USB key and could not be removed. The storage system will execute it when the key is inserted.</source>
        <translation>이전 실행의 작업 파일 %1이(가) USB 키에 남아 있으며 제거할 수 없습니다. 키를 삽입하면 스토리지 시스템이 이 작업을 실행합니다.</translation>
    </message>
    <message id="9035">
        <source>The USB key did not give back what was written to it, so the task file was removed again. Use another USB key.</source>
        <translation>USB 키에 쓴 내용을 그대로 읽을 수 없어 작업 파일을 다시 제거했습니다. 다른 USB 키를 사용하십시오.</translation>
    </message>
    <message id="9036">
        <source>The command's output could not be written.</source>
        <translation>명령의 출력을 쓸 수 없습니다.</translation>
    </message>
    <message id="9037">
        <source>The USB key holds:</source>
        <translation>USB 키의 내용:</translation>
    </message>
    <message id="9038">
        <source>The USB key holds no task file.</source>
        <translation>USB 키에 작업 파일이 없습니다.</translation>
    </message>
    <message id="9039">
        <source>The task file %1 could not be removed from the USB key. The storage system will execute it when the key is inserted.</source>
        <translation>작업 파일 %1을(를) USB 키에서 제거할 수 없습니다. 키를 삽입하면 스토리지 시스템이 이 작업을 실행합니다.</translation>
    </message>
    <message id="9040">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="9041">
        <source>The task file was written to %1, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.</source>
        <translation>작업 파일이 %1에 기록되었지만 이 폴더는 USB 키의 최상위 폴더가 아닙니다. 스토리지 시스템은 키의 최상위 폴더에 있는 작업 파일만 읽습니다.</translation>
    </message>
</context>
</TS>
