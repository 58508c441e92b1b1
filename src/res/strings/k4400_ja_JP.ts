<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
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
        <translation>File Module 用の有効な IP アドレスを 3 つ指定してください</translation>
    </message>
    <message id="103">
        <source>Wizard</source>
        <translation>ウィザード</translation>
    </message>
    <message id="104">
        <source>Quorvex %1 Initialization Tool</source>
        <translation>Quorvex %1 初期化ツール</translation>
    </message>
    <message id="106">
        <source>If you are setting up your system for the first time:</source>
        <translation>システムを初めてセットアップする場合:</translation>
    </message>
    <message id="107">
        <source>If you are unable to access your system:</source>
        <translation>システムにアクセスできない場合:</translation>
    </message>
    <message id="108">
        <source>Initialize a new Veltara K4400</source>
        <translation>新しい Veltara K4400 を初期化する(&amp;I)</translation>
    </message>
    <message id="109">
        <source>Reset the K4400 superuser password</source>
        <translation>K4400 のスーパーユーザー・パスワードをリセットする(&amp;R)</translation>
    </message>
    <message id="110">
        <source>Set the service assistant IP address</source>
        <translation>サービス・アシスタントの IP アドレスを設定する(&amp;S)</translation>
    </message>
    <message id="111">
        <source>Specify a valid IP address for the Veltara K4400 system.</source>
        <translation>Veltara K4400 システムの有効な IP アドレスを指定してください。</translation>
    </message>
    <message id="112">
        <source>Note: You must have physical access to the %1 system to complete initialization.  You are required to insert the USB key into the system.</source>
        <translation>注: 初期化を完了するには、%1 システムに物理的にアクセスできる必要があります。USB キーをシステムに挿入する必要があります。</translation>
    </message>
    <message id="113">
        <source>IP Address</source>
        <translation>IP アドレス(&amp;A)</translation>
    </message>
    <message id="114">
        <source>Subnet Mask</source>
        <translation>サブネット・マスク(&amp;M)</translation>
    </message>
    <message id="115">
        <source>Prefix</source>
        <translation>プレフィックス(&amp;P)</translation>
    </message>
    <message id="116">
        <source>Gateway</source>
        <translation>ゲートウェイ(&amp;G)</translation>
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
        <translation>「完了」をクリックしてから USB キーを取り出し、システムのコントロール・エンクロージャーの任意の USB ポートに挿入してください。</translation>
    </message>
    <message id="120">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to continue setting up your system.</source>
        <translation>ノード・キャニスターの黄色の LED の点滅が止まったら、USB キーをシステムから取り外して Windows コンピューターに挿入し、初期化ツールを再度実行してシステムのセットアップを続行してください。</translation>
    </message>
    <message id="121">
        <source>%1 is not on the same subnet as %2.  Please adjust your inputs so that these two addresses are on the same subnet.</source>
        <translation>%1 が %2 と同じサブネット上にありません。2 つのアドレスが同じサブネット上になるように入力を調整してください。</translation>
    </message>
    <message id="122">
        <source>Initialize a New System</source>
        <translation>新規システムの初期化</translation>
    </message>
    <message id="123">
        <source>Transfer Information to System</source>
        <translation>システムへの情報の転送</translation>
    </message>
    <message id="127">
        <source>Reset Superuser Password</source>
        <translation>スーパーユーザー・パスワードのリセット</translation>
    </message>
    <message id="129">
        <source>Click Finish to reset the superuser password to:   kelpw1nd 

Remove the USB key and insert it into any USB port on the appropriate node canister.</source>
        <translation>「完了」をクリックすると、スーパーユーザー・パスワードが次の値にリセットされます:   kelpw1nd 

USB キーを取り外し、該当するノード・キャニスターの任意の USB ポートに挿入してください。</translation>
    </message>
    <message id="130">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify the password reset.</source>
        <translation>ノード・キャニスターの黄色の LED の点滅が止まったら、USB キーをシステムから取り外して Windows コンピューターに挿入し、初期化ツールを再度実行してパスワードのリセットを確認してください。</translation>
    </message>
    <message id="132">
        <source>Set Service Assistant IP Address</source>
        <translation>サービス・アシスタント IP アドレスの設定</translation>
    </message>
    <message id="133">
        <source>Configure the IP Address:</source>
        <translation>IP アドレスを構成する(&amp;C):</translation>
    </message>
    <message id="134">
        <source>Reset default IP address: 192.168.70.121 for upper canister, 192.168.70.122 for lower canister</source>
        <translation>デフォルトの IP アドレスにリセットする(&amp;R): 上部キャニスターは 192.168.70.121、下部キャニスターは 192.168.70.122</translation>
    </message>
    <message id="135">
        <source>Click Finish to set the service assistant IP address. Remove the USB key and insert it into any USB port on the appropriate node canister of your system.</source>
        <translation>「完了」をクリックしてサービス・アシスタントの IP アドレスを設定します。USB キーを取り外し、システムの該当するノード・キャニスターの任意の USB ポートに挿入してください。</translation>
    </message>
    <message id="137">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify service assistant IP change.</source>
        <translation>ノード・キャニスターの黄色の LED の点滅が止まったら、USB キーをシステムから取り外して Windows コンピューターに挿入し、初期化ツールを再度実行してサービス・アシスタント IP の変更を確認してください。</translation>
    </message>
    <message id="138">
        <source>Transfer Information to System</source>
        <translation>システムへの情報の転送</translation>
    </message>
    <message id="139">
        <source>'%1' is not valid.  Enter a valid IP address for the system.</source>
        <translation>「%1」は無効です。システムの有効な IP アドレスを入力してください。</translation>
    </message>
    <message id="140">
        <source>%1' is  not valid.  Enter a valid subnet mask for the system.</source>
        <translation>「%1」は無効です。システムの有効なサブネット・マスクを入力してください。</translation>
    </message>
    <message id="141">
        <source>The IP address is empty.  Enter a valid IP address for the system.</source>
        <translation>IP アドレスが空です。システムの有効な IP アドレスを入力してください。</translation>
    </message>
    <message id="143">
        <source>'%1' is not valid.  Enter a valid gateway for the system.</source>
        <translation>「%1」は無効です。システムの有効なゲートウェイを入力してください。</translation>
    </message>
    <message id="144">
        <source>IP address cannot be validated.</source>
        <translation>: IP アドレスを検証できません。</translation>
    </message>
    <message id="146">
        <source>Initialization Results</source>
        <translation>初期化の結果</translation>
    </message>
    <message id="147">
        <source>%1 System was successfully configured with IP: </source>
        <translation>%1 システムは次の IP で正常に構成されました: </translation>
    </message>
    <message id="148">
        <source>The battery must reach sufficient charge in order to launch the GUI. 
The estimated battery charging time is: %1 minutes. 
</source>
        <translation>GUI を起動するには、バッテリーが十分に充電されている必要があります。 
バッテリーの推定充電時間: %1 分 
</translation>
    </message>
    <message id="149">
        <source>Launch GUI</source>
        <translation>GUI の起動(&amp;L)</translation>
    </message>
    <message id="150">
        <source>Return to Main Menu</source>
        <translation>メイン・メニューに戻る(&amp;R)</translation>
    </message>
    <message id="151">
        <source>Initialization Results</source>
        <translation>初期化の結果</translation>
    </message>
    <message id="152">
        <source>%1 System was not configured successfully</source>
        <translation>%1 システムは正常に構成されませんでした</translation>
    </message>
    <message id="153">
        <source>Launch Service Assistant</source>
        <translation>サービス・アシスタントの起動(&amp;S)</translation>
    </message>
    <message id="154">
        <source>To log into the Management GUI use 
User: superuser 
Password: kelpw1nd</source>
        <translation>管理 GUI にログインするには次を使用します 
ユーザー: superuser 
パスワード: kelpw1nd</translation>
    </message>
    <message id="155">
        <source>Try Again</source>
        <translation>再試行(&amp;T)</translation>
    </message>
    <message id="156">
        <source>Reset Superuser Password Results</source>
        <translation>スーパーユーザー・パスワードのリセット結果</translation>
    </message>
    <message id="157">
        <source>%1 System password was successfully reset to : kelpw1nd.</source>
        <translation>%1 システムのパスワードは正常に次の値にリセットされました: kelpw1nd</translation>
    </message>
    <message id="158">
        <source>Reset Superuser Password Results</source>
        <translation>スーパーユーザー・パスワードのリセット結果</translation>
    </message>
    <message id="159">
        <source>%1 System password was NOT reset successfully.</source>
        <translation>%1 システムのパスワードはリセットされませんでした。</translation>
    </message>
    <message id="161">
        <source>%1 System Service Assistant IP address was successfully reset to: </source>
        <translation>%1 システムのサービス・アシスタント IP アドレスは正常に次の値に設定されました: </translation>
    </message>
    <message id="162">
        <source>Set Service Assistant IP Address Results</source>
        <translation>サービス・アシスタント IP アドレスの設定結果</translation>
    </message>
    <message id="163">
        <source>Set Service Assistant IP Address Results</source>
        <translation>サービス・アシスタント IP アドレスの設定結果</translation>
    </message>
    <message id="164">
        <source>%1 System Service Assitant IP address  was NOT reset successfully.</source>
        <translation>%1 システムのサービス・アシスタント IP アドレスは設定されませんでした。</translation>
    </message>
    <message id="169">
        <source>The gateway address is empty.  Enter a valid gateway address for the system.</source>
        <translation>ゲートウェイ・アドレスが空です。システムの有効なゲートウェイ・アドレスを入力してください。</translation>
    </message>
    <message id="170">
        <source>'%1' is not valid. Enter a valid prefix between 0-127.</source>
        <translation>「%1」は無効です。0 から 127 までの有効なプレフィックスを入力してください。</translation>
    </message>
    <message id="171">
        <source>Unable to open the initialization file.  Check your file permissions.</source>
        <translation>初期化ファイルを開けません。ファイルのアクセス権を確認してください。</translation>
    </message>
    <message id="172">
        <source>Failed to read the results file.</source>
        <translation>結果ファイルを読み取れませんでした。</translation>
    </message>
    <message id="173">
        <source>Add an enclosure to an existing system</source>
        <translation>既存のシステムにエンクロージャーを追加する(&amp;A)</translation>
    </message>
    <message id="174">
        <source>Add an Enclosure</source>
        <translation>エンクロージャーの追加</translation>
    </message>
    <message id="175">
        <source>To add an enclosure to an existing system, you do not need to use this initialization application.  Follow the procedure below:</source>
        <translation>既存のシステムにエンクロージャーを追加する場合、この初期化アプリケーションを使用する必要はありません。次の手順に従ってください:</translation>
    </message>
    <message id="176">
        <source>1. Launch the Management GUI</source>
        <translation>1. 管理 GUI を起動する</translation>
    </message>
    <message id="177">
        <source>To launch the Management GUI, open a Web browser and enter https:// followed by the Management IP of your system</source>
        <translation>管理 GUI を起動するには、Web ブラウザーを開き、https:// に続けてシステムの管理 IP を入力します</translation>
    </message>
    <message id="178">
        <source>2. Navigate to the panel containing the system details</source>
        <translation>2. システムの詳細が表示されるパネルに移動する</translation>
    </message>
    <message id="179">
        <source>Select the Manage Device or System Details page in the second level of the left side navigation menu.</source>
        <translation>左側のナビゲーション・メニューの第 2 レベルで「Manage Device」または「System Details」ページを選択します。</translation>
    </message>
    <message id="180">
        <source>3. Run the wizard to add the appropriate enclosure</source>
        <translation>3. ウィザードを実行して該当するエンクロージャーを追加する</translation>
    </message>
    <message id="181">
        <source>Select the existing system in the tree of system components.  In the Actions dropdown menu select the wizard to add an enclosure.</source>
        <translation>システム・コンポーネントのツリーで既存のシステムを選択します。「Actions」ドロップダウン・メニューで、エンクロージャーを追加するウィザードを選択します。</translation>
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
        <translation>内部 IP アドレス範囲(&amp;I)</translation>
    </message>
    <message id="187">
        <source>Click Finish then eject the USB key and insert it into any USB port on the rear of the control enclosure in your Quorvex Veltara K4400 system.</source>
        <translation>「完了」をクリックしてから USB キーを取り出し、Quorvex Veltara K4400 システムのコントロール・エンクロージャー背面の任意の USB ポートに挿入してください。</translation>
    </message>
    <message id="188">
        <source>After the fault LED stops flashing, remove the USB key from the Quorvex Veltara K4400 System and insert it into any USB port on a File Module and wait for the location LEDs on both File Modules to stop blinking.</source>
        <translation>障害 LED の点滅が止まったら、USB キーを Quorvex Veltara K4400 システムから取り外して File Module の任意の USB ポートに挿入し、両方の File Module のロケーション LED の点滅が止まるまで待ってください。</translation>
    </message>
    <message id="190">
        <source>%1 not valid.  Set a valid IP value that is unique.</source>
        <translation>%1 が無効です。固有の有効な IP 値を設定してください。</translation>
    </message>
    <message id="191">
        <source>Unable to write to the initialization file.  Check your USB key available space and file permissions.</source>
        <translation>初期化ファイルに書き込めません。USB キーの空き容量とファイルのアクセス権を確認してください。</translation>
    </message>
    <message id="192">
        <source>No Internal IP Address Range has been selected. Select an Internal IP Address Range.</source>
        <translation>内部 IP アドレス範囲が選択されていません。内部 IP アドレス範囲を選択してください。</translation>
    </message>
    <message id="193">
        <source>The %1 was successfully configured with the following IP addresses:</source>
        <translation>%1 は次の IP アドレスで正常に構成されました:</translation>
    </message>
    <message id="194">
        <source>Veltara K4400 File Module</source>
        <translation>Veltara K4400 File Module</translation>
    </message>
    <message id="195">
        <source>Launch Info Center</source>
        <translation>Info Center の起動(&amp;I)</translation>
    </message>
    <message id="196">
        <source>To log into the Management GUI use 
UserID: admin 
Password: brisk</source>
        <translation>管理 GUI にログインするには次を使用します 
ユーザー ID: admin 
パスワード: brisk</translation>
    </message>
    <message id="9001">
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message id="9002">
        <source>Click OK to proceed or CANCEL to re-enter the IP address.</source>
        <translation>続行するには「OK」を、IP アドレスを入力し直すには「キャンセル」をクリックしてください。</translation>
    </message>
    <message id="9003">
        <source>&lt; &amp;Back</source>
        <translation>&lt; 戻る(&amp;B)</translation>
    </message>
    <message id="9004">
        <source>&amp;Next &gt;</source>
        <translation>次へ(&amp;N) &gt;</translation>
    </message>
    <message id="9005">
        <source>&amp;Finish</source>
        <translation>完了(&amp;F)</translation>
    </message>
    <message id="9006">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="9010">
        <source>Access to %1 was denied.</source>
        <translation>%1 へのアクセスが拒否されました。</translation>
    </message>
    <message id="9011">
        <source>%1 contains an incorrect path.</source>
        <translation>%1 のパスが正しくありません。</translation>
    </message>
    <message id="9012">
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>%1 へのアクセス中に共有違反が発生しました。</translation>
    </message>
    <message id="9013">
        <source>Too many files are open; %1 could not be opened.</source>
        <translation>開いているファイルが多すぎるため、%1 を開けませんでした。</translation>
    </message>
    <message id="9014">
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>%1 へのアクセス中に予期しないエラーが発生しました。</translation>
    </message>
    <message id="9015">
        <source>There is not enough free space on the disk that holds %1.</source>
        <translation>%1 を格納するディスクに十分な空き容量がありません。</translation>
    </message>
    <message id="9016">
        <source>%1 is on a write-protected or read-only disk.</source>
        <translation>%1 は書き込み保護された、または読み取り専用のディスク上にあります。</translation>
    </message>
    <message id="9017">
        <source>%1 is not a file: a folder, a device or a pipe has that name.</source>
        <translation>%1 はファイルではありません。同じ名前のフォルダー、デバイス、またはパイプがあります。</translation>
    </message>
    <message id="9018">
        <source>%1 was not found.</source>
        <translation>%1 が見つかりません。</translation>
    </message>
    <message id="9020">
        <source>%1, octet %2</source>
        <translation>%1、オクテット %2</translation>
    </message>
    <message id="9030">
        <source>The password reset could not be written to the USB key, so nothing will be reset. Click Back to return to the main menu and try again, or Cancel to close the wizard.</source>
        <translation>パスワードのリセット要求を USB キーに書き込めなかったため、パスワードはリセットされません。「戻る」をクリックしてメイン・メニューに戻って再試行するか、「キャンセル」をクリックしてウィザードを閉じてください。</translation>
    </message>
    <message id="9031">
        <source>The web browser could not be opened. To continue, open this address in a web browser yourself:

%1</source>
        <translation>Web ブラウザーを開けませんでした。続行するには、次のアドレスを Web ブラウザーで手動で開いてください:

%1</translation>
    </message>
    <message id="9032">
        <source>The system did not report a valid address to open, so the web browser was not opened.</source>
        <translation>システムから開く有効なアドレスが報告されなかったため、Web ブラウザーは開かれませんでした。</translation>
    </message>
    <message id="9033">
        <source>Choose the USB key folder</source>
        <translation>USB キーのフォルダーを選択</translation>
    </message>
    <message id="9034">
        <source>The task file %1 from an earlier run is still on the USB key and could not be removed. The storage system will execute it when the key is inserted.</source>
        <translation>以前の実行で作成されたタスク・ファイル %1 が USB キーに残っており、削除できませんでした。キーを挿入すると、ストレージ・システムがこのタスクを実行します。</translation>
    </message>
    <message id="9035">
        <source>The USB key did not give back what was written to it, so the task file was removed again. Use another USB key.</source>
        <translation>USB キーに書き込んだ内容を読み戻せなかったため、タスク・ファイルを削除しました。別の USB キーを使用してください。</translation>
    </message>
    <message id="9036">
        <source>The command's output could not be written.</source>
        <translation>コマンドの出力を書き込めませんでした。</translation>
    </message>
    <message id="9037">
        <source>The USB key holds:</source>
        <translation>USB キーの内容：</translation>
    </message>
    <message id="9038">
        <source>The USB key holds no task file.</source>
        <translation>USB キーにタスク・ファイルはありません。</translation>
    </message>
    <message id="9039">
        <source>The task file %1 could not be removed from the USB key. The storage system will execute it when the key is inserted.</source>
        <translation>タスク・ファイル %1 を USB キーから削除できませんでした。キーを挿入すると、ストレージ・システムがこのタスクを実行します。</translation>
    </message>
    <message id="9040">
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="9041">
        <source>The task file was written to %1, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.</source>
        <translation>タスク・ファイルは %1 に書き込まれましたが、このフォルダーは USB キーの最上位フォルダーではありません。ストレージ・システムは、キーの最上位フォルダーにあるタスク・ファイルしか読み取りません。</translation>
    </message>
</context>
</TS>
