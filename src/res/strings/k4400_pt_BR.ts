<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
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
        <translation>Especifique três endereços IP válidos para os File Modules</translation>
    </message>
    <message id="103">
        <source>Wizard</source>
        <translation>Assistente</translation>
    </message>
    <message id="104">
        <source>Quorvex %1 Initialization Tool</source>
        <translation>Ferramenta de inicialização do Quorvex %1</translation>
    </message>
    <message id="106">
        <source>If you are setting up your system for the first time:</source>
        <translation>Se você está configurando o sistema pela primeira vez:</translation>
    </message>
    <message id="107">
        <source>If you are unable to access your system:</source>
        <translation>Se você não consegue acessar o sistema:</translation>
    </message>
    <message id="108">
        <source>Initialize a new Veltara K4400</source>
        <translation>&amp;Inicializar um novo Veltara K4400</translation>
    </message>
    <message id="109">
        <source>Reset the K4400 superuser password</source>
        <translation>&amp;Redefinir a senha do superusuário do K4400</translation>
    </message>
    <message id="110">
        <source>Set the service assistant IP address</source>
        <translation>&amp;Definir o endereço IP do assistente de serviço</translation>
    </message>
    <message id="111">
        <source>Specify a valid IP address for the Veltara K4400 system.</source>
        <translation>Especifique um endereço IP válido para o sistema Veltara K4400.</translation>
    </message>
    <message id="112">
        <source>Note: You must have physical access to the %1 system to complete initialization.  You are required to insert the USB key into the system.</source>
        <translation>Nota: é necessário ter acesso físico ao sistema %1 para concluir a inicialização. Você precisará inserir a chave USB no sistema.</translation>
    </message>
    <message id="113">
        <source>IP Address</source>
        <translation>&amp;Endereço IP</translation>
    </message>
    <message id="114">
        <source>Subnet Mask</source>
        <translation>&amp;Máscara de sub-rede</translation>
    </message>
    <message id="115">
        <source>Prefix</source>
        <translation>&amp;Prefixo</translation>
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
        <translation>Clique em Concluir, ejete a chave USB e insira-a em qualquer porta USB do gabinete de controle do sistema.</translation>
    </message>
    <message id="120">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to continue setting up your system.</source>
        <translation>Quando o LED âmbar do canister do nó parar de piscar, remova a chave USB do sistema, insira-a no computador Windows e execute a ferramenta de inicialização novamente para continuar a configuração.</translation>
    </message>
    <message id="121">
        <source>%1 is not on the same subnet as %2.  Please adjust your inputs so that these two addresses are on the same subnet.</source>
        <translation>%1 não está na mesma sub-rede que %2. Ajuste as entradas para que esses dois endereços fiquem na mesma sub-rede.</translation>
    </message>
    <message id="122">
        <source>Initialize a New System</source>
        <translation>Inicializar um novo sistema</translation>
    </message>
    <message id="123">
        <source>Transfer Information to System</source>
        <translation>Transferir informações para o sistema</translation>
    </message>
    <message id="127">
        <source>Reset Superuser Password</source>
        <translation>Redefinir a senha do superusuário</translation>
    </message>
    <message id="129">
        <source>Click Finish to reset the superuser password to:   kelpw1nd 

Remove the USB key and insert it into any USB port on the appropriate node canister.</source>
        <translation>Clique em Concluir para redefinir a senha do superusuário para:   kelpw1nd 

Remova a chave USB e insira-a em qualquer porta USB do canister do nó apropriado.</translation>
    </message>
    <message id="130">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify the password reset.</source>
        <translation>Quando o LED âmbar do canister do nó parar de piscar, remova a chave USB do sistema, insira-a no computador Windows e execute a ferramenta de inicialização novamente para verificar a redefinição da senha.</translation>
    </message>
    <message id="132">
        <source>Set Service Assistant IP Address</source>
        <translation>Definir o endereço IP do assistente de serviço</translation>
    </message>
    <message id="133">
        <source>Configure the IP Address:</source>
        <translation>Con&amp;figurar o endereço IP:</translation>
    </message>
    <message id="134">
        <source>Reset default IP address: 192.168.70.121 for upper canister, 192.168.70.122 for lower canister</source>
        <translation>&amp;Redefinir o endereço IP padrão: 192.168.70.121 para o canister superior, 192.168.70.122 para o canister inferior</translation>
    </message>
    <message id="135">
        <source>Click Finish to set the service assistant IP address. Remove the USB key and insert it into any USB port on the appropriate node canister of your system.</source>
        <translation>Clique em Concluir para definir o endereço IP do assistente de serviço. Remova a chave USB e insira-a em qualquer porta USB do canister do nó apropriado do sistema.</translation>
    </message>
    <message id="137">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify service assistant IP change.</source>
        <translation>Quando o LED âmbar do canister do nó parar de piscar, remova a chave USB do sistema, insira-a no computador Windows e execute a ferramenta de inicialização novamente para verificar a alteração do IP do assistente de serviço.</translation>
    </message>
    <message id="138">
        <source>Transfer Information to System</source>
        <translation>Transferir informações para o sistema</translation>
    </message>
    <message id="139">
        <source>'%1' is not valid.  Enter a valid IP address for the system.</source>
        <translation>'%1' não é válido. Insira um endereço IP válido para o sistema.</translation>
    </message>
    <message id="140">
        <source>%1' is  not valid.  Enter a valid subnet mask for the system.</source>
        <translation>'%1' não é válido. Insira uma máscara de sub-rede válida para o sistema.</translation>
    </message>
    <message id="141">
        <source>The IP address is empty.  Enter a valid IP address for the system.</source>
        <translation>O endereço IP está vazio. Insira um endereço IP válido para o sistema.</translation>
    </message>
    <message id="143">
        <source>'%1' is not valid.  Enter a valid gateway for the system.</source>
        <translation>'%1' não é válido. Insira um gateway válido para o sistema.</translation>
    </message>
    <message id="144">
        <source>IP address cannot be validated.</source>
        <translation>: o endereço IP não pode ser validado.</translation>
    </message>
    <message id="146">
        <source>Initialization Results</source>
        <translation>Resultados da inicialização</translation>
    </message>
    <message id="147">
        <source>%1 System was successfully configured with IP: </source>
        <translation>O sistema %1 foi configurado com êxito usando o IP: </translation>
    </message>
    <message id="148">
        <source>The battery must reach sufficient charge in order to launch the GUI. 
The estimated battery charging time is: %1 minutes. 
</source>
        <translation>A bateria deve atingir carga suficiente para abrir a GUI de gerenciamento. 
Tempo estimado de carga da bateria: %1 minutos. 
</translation>
    </message>
    <message id="149">
        <source>Launch GUI</source>
        <translation>Abrir a &amp;GUI</translation>
    </message>
    <message id="150">
        <source>Return to Main Menu</source>
        <translation>Voltar ao &amp;menu principal</translation>
    </message>
    <message id="151">
        <source>Initialization Results</source>
        <translation>Resultados da inicialização</translation>
    </message>
    <message id="152">
        <source>%1 System was not configured successfully</source>
        <translation>O sistema %1 não foi configurado com êxito</translation>
    </message>
    <message id="153">
        <source>Launch Service Assistant</source>
        <translation>Abrir o assistente de &amp;serviço</translation>
    </message>
    <message id="154">
        <source>To log into the Management GUI use 
User: superuser 
Password: kelpw1nd</source>
        <translation>Para efetuar login na GUI de gerenciamento, use 
Usuário: superuser 
Senha: kelpw1nd</translation>
    </message>
    <message id="155">
        <source>Try Again</source>
        <translation>&amp;Tentar novamente</translation>
    </message>
    <message id="156">
        <source>Reset Superuser Password Results</source>
        <translation>Resultados da redefinição de senha</translation>
    </message>
    <message id="157">
        <source>%1 System password was successfully reset to : kelpw1nd.</source>
        <translation>A senha do sistema %1 foi redefinida com êxito para: kelpw1nd.</translation>
    </message>
    <message id="158">
        <source>Reset Superuser Password Results</source>
        <translation>Resultados da redefinição de senha</translation>
    </message>
    <message id="159">
        <source>%1 System password was NOT reset successfully.</source>
        <translation>A senha do sistema %1 NÃO foi redefinida.</translation>
    </message>
    <message id="161">
        <source>%1 System Service Assistant IP address was successfully reset to: </source>
        <translation>O endereço IP do assistente de serviço do sistema %1 foi redefinido com êxito para: </translation>
    </message>
    <message id="162">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Resultados da definição do IP do assistente de serviço</translation>
    </message>
    <message id="163">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Resultados da definição do IP do assistente de serviço</translation>
    </message>
    <message id="164">
        <source>%1 System Service Assitant IP address  was NOT reset successfully.</source>
        <translation>O endereço IP do assistente de serviço do sistema %1 NÃO foi redefinido.</translation>
    </message>
    <message id="169">
        <source>The gateway address is empty.  Enter a valid gateway address for the system.</source>
        <translation>O endereço do gateway está vazio. Insira um endereço de gateway válido para o sistema.</translation>
    </message>
    <message id="170">
        <source>'%1' is not valid. Enter a valid prefix between 0-127.</source>
        <translation>'%1' não é válido. Insira um prefixo válido entre 0 e 127.</translation>
    </message>
    <message id="171">
        <source>Unable to open the initialization file.  Check your file permissions.</source>
        <translation>Não é possível abrir o arquivo de inicialização. Verifique as permissões do arquivo.</translation>
    </message>
    <message id="172">
        <source>Failed to read the results file.</source>
        <translation>Falha ao ler o arquivo de resultados.</translation>
    </message>
    <message id="173">
        <source>Add an enclosure to an existing system</source>
        <translation>I&amp;ncluir um gabinete em um sistema existente</translation>
    </message>
    <message id="174">
        <source>Add an Enclosure</source>
        <translation>Incluir um gabinete</translation>
    </message>
    <message id="175">
        <source>To add an enclosure to an existing system, you do not need to use this initialization application.  Follow the procedure below:</source>
        <translation>Para incluir um gabinete em um sistema existente, não é necessário usar este aplicativo de inicialização. Siga o procedimento abaixo:</translation>
    </message>
    <message id="176">
        <source>1. Launch the Management GUI</source>
        <translation>1. Abra a GUI de gerenciamento</translation>
    </message>
    <message id="177">
        <source>To launch the Management GUI, open a Web browser and enter https:// followed by the Management IP of your system</source>
        <translation>Para abrir a GUI de gerenciamento, abra um navegador da Web e digite https:// seguido do IP de gerenciamento do sistema</translation>
    </message>
    <message id="178">
        <source>2. Navigate to the panel containing the system details</source>
        <translation>2. Navegue até o painel que contém os detalhes do sistema</translation>
    </message>
    <message id="179">
        <source>Select the Manage Device or System Details page in the second level of the left side navigation menu.</source>
        <translation>Selecione a página Manage Device ou System Details no segundo nível do menu de navegação à esquerda.</translation>
    </message>
    <message id="180">
        <source>3. Run the wizard to add the appropriate enclosure</source>
        <translation>3. Execute o assistente para incluir o gabinete apropriado</translation>
    </message>
    <message id="181">
        <source>Select the existing system in the tree of system components.  In the Actions dropdown menu select the wizard to add an enclosure.</source>
        <translation>Selecione o sistema existente na árvore de componentes do sistema. No menu suspenso Actions, selecione o assistente para incluir um gabinete.</translation>
    </message>
    <message id="183">
        <source>Management IP</source>
        <translation>IP de &amp;gerenciamento</translation>
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
        <translation>&amp;Intervalo de endereços IP internos</translation>
    </message>
    <message id="187">
        <source>Click Finish then eject the USB key and insert it into any USB port on the rear of the control enclosure in your Quorvex Veltara K4400 system.</source>
        <translation>Clique em Concluir, ejete a chave USB e insira-a em qualquer porta USB na parte traseira do gabinete de controle do sistema Quorvex Veltara K4400.</translation>
    </message>
    <message id="188">
        <source>After the fault LED stops flashing, remove the USB key from the Quorvex Veltara K4400 System and insert it into any USB port on a File Module and wait for the location LEDs on both File Modules to stop blinking.</source>
        <translation>Quando o LED de falha parar de piscar, remova a chave USB do sistema Quorvex Veltara K4400, insira-a em qualquer porta USB de um File Module e aguarde até que os LEDs de localização dos dois File Modules parem de piscar.</translation>
    </message>
    <message id="190">
        <source>%1 not valid.  Set a valid IP value that is unique.</source>
        <translation>O valor de %1 não é válido. Defina um valor IP válido e exclusivo.</translation>
    </message>
    <message id="191">
        <source>Unable to write to the initialization file.  Check your USB key available space and file permissions.</source>
        <translation>Não é possível gravar no arquivo de inicialização. Verifique o espaço disponível na chave USB e as permissões do arquivo.</translation>
    </message>
    <message id="192">
        <source>No Internal IP Address Range has been selected. Select an Internal IP Address Range.</source>
        <translation>Nenhum intervalo de endereços IP internos foi selecionado. Selecione um intervalo de endereços IP internos.</translation>
    </message>
    <message id="193">
        <source>The %1 was successfully configured with the following IP addresses:</source>
        <translation>O %1 foi configurado com êxito usando os seguintes endereços IP:</translation>
    </message>
    <message id="194">
        <source>Veltara K4400 File Module</source>
        <translation>Veltara K4400 File Module</translation>
    </message>
    <message id="195">
        <source>Launch Info Center</source>
        <translation>Abrir o &amp;Info Center</translation>
    </message>
    <message id="196">
        <source>To log into the Management GUI use 
UserID: admin 
Password: brisk</source>
        <translation>Para efetuar login na GUI de gerenciamento, use 
ID do usuário: admin 
Senha: brisk</translation>
    </message>
    <message id="9001">
        <source>Please enter an integer.</source>
        <translation>Insira um número inteiro.</translation>
    </message>
    <message id="9002">
        <source>Click OK to proceed or CANCEL to re-enter the IP address.</source>
        <translation>Clique em OK para continuar ou em Cancelar para inserir novamente o endereço IP.</translation>
    </message>
    <message id="9003">
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Voltar</translation>
    </message>
    <message id="9004">
        <source>&amp;Next &gt;</source>
        <translation>&amp;Avançar &gt;</translation>
    </message>
    <message id="9005">
        <source>&amp;Finish</source>
        <translation>&amp;Concluir</translation>
    </message>
    <message id="9006">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="9010">
        <source>Access to %1 was denied.</source>
        <translation>O acesso a %1 foi negado.</translation>
    </message>
    <message id="9011">
        <source>%1 contains an incorrect path.</source>
        <translation>%1 contém um caminho incorreto.</translation>
    </message>
    <message id="9012">
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Ocorreu uma violação de compartilhamento ao acessar %1.</translation>
    </message>
    <message id="9013">
        <source>Too many files are open; %1 could not be opened.</source>
        <translation>Há muitos arquivos abertos; não foi possível abrir %1.</translation>
    </message>
    <message id="9014">
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Ocorreu um erro inesperado ao acessar %1.</translation>
    </message>
    <message id="9015">
        <source>There is not enough free space on the disk that holds %1.</source>
        <translation>Não há espaço livre suficiente no disco que contém %1.</translation>
    </message>
    <message id="9016">
        <source>%1 is on a write-protected or read-only disk.</source>
        <translation>%1 está em um disco protegido contra gravação ou somente leitura.</translation>
    </message>
    <message id="9017">
        <source>%1 is not a file: a folder, a device or a pipe has that name.</source>
        <translation>%1 não é um arquivo: uma pasta, um dispositivo ou um pipe tem esse nome.</translation>
    </message>
    <message id="9018">
        <source>%1 was not found.</source>
        <translation>%1 não foi encontrado.</translation>
    </message>
    <message id="9020">
        <source>%1, octet %2</source>
        <translation>%1, octeto %2</translation>
    </message>
    <message id="9030">
        <source>The password reset could not be written to the USB key, so nothing will be reset. Click Back to return to the main menu and try again, or Cancel to close the wizard.</source>
        <translation>Não foi possível gravar na chave USB a solicitação de redefinição da senha; por isso, a senha não será redefinida. Clique em Voltar para retornar ao menu principal e tentar novamente, ou em Cancelar para fechar o assistente.</translation>
    </message>
    <message id="9031">
        <source>The web browser could not be opened. To continue, open this address in a web browser yourself:

%1</source>
        <translation>Não foi possível abrir o navegador da Web. Para continuar, abra você mesmo este endereço em um navegador da Web:

%1</translation>
    </message>
    <message id="9032">
        <source>The system did not report a valid address to open, so the web browser was not opened.</source>
        <translation>O sistema não informou nenhum endereço válido para abrir; por isso, o navegador da Web não foi aberto.</translation>
    </message>
    <message id="9033">
        <source>Choose the USB key folder</source>
        <translation>Escolher a pasta da chave USB</translation>
    </message>
    <message id="9034">
        <source>The task file %1 from an earlier run is still on the USB key and could not be removed. The storage system will execute it when the key is inserted.</source>
        <translation>O arquivo de tarefa %1 de uma execução anterior ainda está na chave USB e não pôde ser removido. O sistema de armazenamento o executará quando a chave for inserida.</translation>
    </message>
    <message id="9035">
        <source>The USB key did not give back what was written to it, so the task file was removed again. Use another USB key.</source>
        <translation>A chave USB não devolveu o que foi gravado nela; por isso, o arquivo de tarefa foi removido. Use outra chave USB.</translation>
    </message>
    <message id="9036">
        <source>The command's output could not be written.</source>
        <translation>Não foi possível gravar a saída do comando.</translation>
    </message>
    <message id="9037">
        <source>The USB key holds:</source>
        <translation>A chave USB contém:</translation>
    </message>
    <message id="9038">
        <source>The USB key holds no task file.</source>
        <translation>A chave USB não contém nenhum arquivo de tarefa.</translation>
    </message>
    <message id="9039">
        <source>The task file %1 could not be removed from the USB key. The storage system will execute it when the key is inserted.</source>
        <translation>Não foi possível remover o arquivo de tarefa %1 da chave USB. O sistema de armazenamento o executará quando a chave for inserida.</translation>
    </message>
    <message id="9040">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="9041">
        <source>The task file was written to %1, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.</source>
        <translation>O arquivo de tarefa foi gravado em %1, que não é a pasta raiz de uma chave USB. O sistema de armazenamento lê arquivos de tarefa somente da pasta raiz da chave.</translation>
    </message>
</context>
</TS>
