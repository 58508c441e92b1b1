<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
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
        <translation>Especifique tres direcciones IP válidas para los File Modules</translation>
    </message>
    <message id="103">
        <source>Wizard</source>
        <translation>Asistente</translation>
    </message>
    <message id="104">
        <source>Quorvex %1 Initialization Tool</source>
        <translation>%1 de Quorvex: herramienta de inicialización</translation>
    </message>
    <message id="106">
        <source>If you are setting up your system for the first time:</source>
        <translation>Si va a configurar el sistema por primera vez:</translation>
    </message>
    <message id="107">
        <source>If you are unable to access your system:</source>
        <translation>Si no puede acceder al sistema:</translation>
    </message>
    <message id="108">
        <source>Initialize a new Veltara K4400</source>
        <translation>&amp;Inicializar un nuevo Veltara K4400</translation>
    </message>
    <message id="109">
        <source>Reset the K4400 superuser password</source>
        <translation>&amp;Restablecer la contraseña del superusuario de K4400</translation>
    </message>
    <message id="110">
        <source>Set the service assistant IP address</source>
        <translation>&amp;Establecer la dirección IP del asistente de servicio</translation>
    </message>
    <message id="111">
        <source>Specify a valid IP address for the Veltara K4400 system.</source>
        <translation>Especifique una dirección IP válida para el sistema Veltara K4400.</translation>
    </message>
    <message id="112">
        <source>Note: You must have physical access to the %1 system to complete initialization.  You are required to insert the USB key into the system.</source>
        <translation>Nota: debe tener acceso físico al sistema %1 para completar la inicialización. Es necesario insertar la llave USB en el sistema.</translation>
    </message>
    <message id="113">
        <source>IP Address</source>
        <translation>&amp;Dirección IP</translation>
    </message>
    <message id="114">
        <source>Subnet Mask</source>
        <translation>&amp;Máscara de subred</translation>
    </message>
    <message id="115">
        <source>Prefix</source>
        <translation>&amp;Prefijo</translation>
    </message>
    <message id="116">
        <source>Gateway</source>
        <translation>Pasar&amp;ela</translation>
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
        <translation>Pulse Finalizar, expulse la llave USB e insértela en cualquier puerto USB del alojamiento de control del sistema.</translation>
    </message>
    <message id="120">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to continue setting up your system.</source>
        <translation>Cuando el LED ámbar del contenedor de nodo deje de parpadear, extraiga la llave USB del sistema, insértela en su ordenador Windows y vuelva a ejecutar la herramienta de inicialización para continuar la configuración.</translation>
    </message>
    <message id="121">
        <source>%1 is not on the same subnet as %2.  Please adjust your inputs so that these two addresses are on the same subnet.</source>
        <translation>%1 no está en la misma subred que %2. Ajuste los valores para que estas dos direcciones estén en la misma subred.</translation>
    </message>
    <message id="122">
        <source>Initialize a New System</source>
        <translation>Inicializar un nuevo sistema</translation>
    </message>
    <message id="123">
        <source>Transfer Information to System</source>
        <translation>Transferir la información al sistema</translation>
    </message>
    <message id="127">
        <source>Reset Superuser Password</source>
        <translation>Restablecer la contraseña del superusuario</translation>
    </message>
    <message id="129">
        <source>Click Finish to reset the superuser password to:   kelpw1nd 

Remove the USB key and insert it into any USB port on the appropriate node canister.</source>
        <translation>Pulse Finalizar para restablecer la contraseña del superusuario a:   kelpw1nd 

Extraiga la llave USB e insértela en cualquier puerto USB del contenedor de nodo correspondiente.</translation>
    </message>
    <message id="130">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify the password reset.</source>
        <translation>Cuando el LED ámbar del contenedor de nodo deje de parpadear, extraiga la llave USB del sistema, insértela en su ordenador Windows y vuelva a ejecutar la herramienta de inicialización para verificar el restablecimiento de la contraseña.</translation>
    </message>
    <message id="132">
        <source>Set Service Assistant IP Address</source>
        <translation>Establecer la dirección IP del asistente de servicio</translation>
    </message>
    <message id="133">
        <source>Configure the IP Address:</source>
        <translation>&amp;Configurar la dirección IP:</translation>
    </message>
    <message id="134">
        <source>Reset default IP address: 192.168.70.121 for upper canister, 192.168.70.122 for lower canister</source>
        <translation>&amp;Restablecer la dirección IP predeterminada: 192.168.70.121 para el contenedor superior, 192.168.70.122 para el inferior</translation>
    </message>
    <message id="135">
        <source>Click Finish to set the service assistant IP address. Remove the USB key and insert it into any USB port on the appropriate node canister of your system.</source>
        <translation>Pulse Finalizar para establecer la dirección IP del asistente de servicio. Extraiga la llave USB e insértela en cualquier puerto USB del contenedor de nodo correspondiente del sistema.</translation>
    </message>
    <message id="137">
        <source>After the Amber LED on the node canister stops flashing, remove the USB key from the system, insert it into your Windows computer, and run the Initialization Tool again to verify service assistant IP change.</source>
        <translation>Cuando el LED ámbar del contenedor de nodo deje de parpadear, extraiga la llave USB del sistema, insértela en su ordenador Windows y vuelva a ejecutar la herramienta de inicialización para verificar el cambio de IP del asistente de servicio.</translation>
    </message>
    <message id="138">
        <source>Transfer Information to System</source>
        <translation>Transferir la información al sistema</translation>
    </message>
    <message id="139">
        <source>'%1' is not valid.  Enter a valid IP address for the system.</source>
        <translation>'%1' no es válido. Especifique una dirección IP válida para el sistema.</translation>
    </message>
    <message id="140">
        <source>%1' is  not valid.  Enter a valid subnet mask for the system.</source>
        <translation>'%1' no es válido. Especifique una máscara de subred válida para el sistema.</translation>
    </message>
    <message id="141">
        <source>The IP address is empty.  Enter a valid IP address for the system.</source>
        <translation>La dirección IP está vacía. Especifique una dirección IP válida para el sistema.</translation>
    </message>
    <message id="143">
        <source>'%1' is not valid.  Enter a valid gateway for the system.</source>
        <translation>'%1' no es válido. Especifique una pasarela válida para el sistema.</translation>
    </message>
    <message id="144">
        <source>IP address cannot be validated.</source>
        <translation>: no se puede validar la dirección IP.</translation>
    </message>
    <message id="146">
        <source>Initialization Results</source>
        <translation>Resultados de la inicialización</translation>
    </message>
    <message id="147">
        <source>%1 System was successfully configured with IP: </source>
        <translation>El sistema %1 se ha configurado correctamente con la IP: </translation>
    </message>
    <message id="148">
        <source>The battery must reach sufficient charge in order to launch the GUI. 
The estimated battery charging time is: %1 minutes. 
</source>
        <translation>La batería debe alcanzar una carga suficiente para iniciar la GUI. 
El tiempo de carga estimado es: %1 minutos. 
</translation>
    </message>
    <message id="149">
        <source>Launch GUI</source>
        <translation>&amp;Iniciar GUI</translation>
    </message>
    <message id="150">
        <source>Return to Main Menu</source>
        <translation>&amp;Volver al menú principal</translation>
    </message>
    <message id="151">
        <source>Initialization Results</source>
        <translation>Resultados de la inicialización</translation>
    </message>
    <message id="152">
        <source>%1 System was not configured successfully</source>
        <translation>El sistema %1 no se ha configurado correctamente</translation>
    </message>
    <message id="153">
        <source>Launch Service Assistant</source>
        <translation>Iniciar asistente de &amp;servicio</translation>
    </message>
    <message id="154">
        <source>To log into the Management GUI use 
User: superuser 
Password: kelpw1nd</source>
        <translation>Para iniciar sesión en la GUI de gestión utilice 
Usuario: superuser 
Contraseña: kelpw1nd</translation>
    </message>
    <message id="155">
        <source>Try Again</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message id="156">
        <source>Reset Superuser Password Results</source>
        <translation>Resultados del restablecimiento de contraseña</translation>
    </message>
    <message id="157">
        <source>%1 System password was successfully reset to : kelpw1nd.</source>
        <translation>La contraseña del sistema %1 se ha restablecido correctamente a: kelpw1nd.</translation>
    </message>
    <message id="158">
        <source>Reset Superuser Password Results</source>
        <translation>Resultados del restablecimiento de contraseña</translation>
    </message>
    <message id="159">
        <source>%1 System password was NOT reset successfully.</source>
        <translation>La contraseña del sistema %1 NO se ha restablecido.</translation>
    </message>
    <message id="161">
        <source>%1 System Service Assistant IP address was successfully reset to: </source>
        <translation>La dirección IP del asistente de servicio del sistema %1 se ha establecido correctamente en: </translation>
    </message>
    <message id="162">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Resultados del establecimiento de la dirección IP del asistente de servicio</translation>
    </message>
    <message id="163">
        <source>Set Service Assistant IP Address Results</source>
        <translation>Resultados del establecimiento de la dirección IP del asistente de servicio</translation>
    </message>
    <message id="164">
        <source>%1 System Service Assitant IP address  was NOT reset successfully.</source>
        <translation>La dirección IP del asistente de servicio del sistema %1 NO se ha establecido.</translation>
    </message>
    <message id="169">
        <source>The gateway address is empty.  Enter a valid gateway address for the system.</source>
        <translation>La dirección de pasarela está vacía. Especifique una dirección de pasarela válida para el sistema.</translation>
    </message>
    <message id="170">
        <source>'%1' is not valid. Enter a valid prefix between 0-127.</source>
        <translation>'%1' no es válido. Especifique un prefijo válido entre 0 y 127.</translation>
    </message>
    <message id="171">
        <source>Unable to open the initialization file.  Check your file permissions.</source>
        <translation>No se puede abrir el archivo de inicialización. Compruebe los permisos del archivo.</translation>
    </message>
    <message id="172">
        <source>Failed to read the results file.</source>
        <translation>No se ha podido leer el archivo de resultados.</translation>
    </message>
    <message id="173">
        <source>Add an enclosure to an existing system</source>
        <translation>Añadir un a&amp;lojamiento a un sistema existente</translation>
    </message>
    <message id="174">
        <source>Add an Enclosure</source>
        <translation>Añadir un alojamiento</translation>
    </message>
    <message id="175">
        <source>To add an enclosure to an existing system, you do not need to use this initialization application.  Follow the procedure below:</source>
        <translation>Para añadir un alojamiento a un sistema existente no es necesario utilizar esta aplicación de inicialización. Siga este procedimiento:</translation>
    </message>
    <message id="176">
        <source>1. Launch the Management GUI</source>
        <translation>1. Inicie la GUI de gestión</translation>
    </message>
    <message id="177">
        <source>To launch the Management GUI, open a Web browser and enter https:// followed by the Management IP of your system</source>
        <translation>Para iniciar la GUI de gestión, abra un navegador web y escriba https:// seguido de la IP de gestión del sistema</translation>
    </message>
    <message id="178">
        <source>2. Navigate to the panel containing the system details</source>
        <translation>2. Vaya al panel que contiene los detalles del sistema</translation>
    </message>
    <message id="179">
        <source>Select the Manage Device or System Details page in the second level of the left side navigation menu.</source>
        <translation>Seleccione la página Manage Device o System Details en el segundo nivel del menú de navegación de la izquierda.</translation>
    </message>
    <message id="180">
        <source>3. Run the wizard to add the appropriate enclosure</source>
        <translation>3. Ejecute el asistente para añadir el alojamiento adecuado</translation>
    </message>
    <message id="181">
        <source>Select the existing system in the tree of system components.  In the Actions dropdown menu select the wizard to add an enclosure.</source>
        <translation>Seleccione el sistema existente en el árbol de componentes. En el menú desplegable Actions, seleccione el asistente para añadir un alojamiento.</translation>
    </message>
    <message id="183">
        <source>Management IP</source>
        <translation>IP de &amp;gestión</translation>
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
        <translation>Rango de direcciones IP &amp;internas</translation>
    </message>
    <message id="187">
        <source>Click Finish then eject the USB key and insert it into any USB port on the rear of the control enclosure in your Quorvex Veltara K4400 system.</source>
        <translation>Pulse Finalizar, expulse la llave USB e insértela en cualquier puerto USB de la parte posterior del alojamiento de control del sistema Quorvex Veltara K4400.</translation>
    </message>
    <message id="188">
        <source>After the fault LED stops flashing, remove the USB key from the Quorvex Veltara K4400 System and insert it into any USB port on a File Module and wait for the location LEDs on both File Modules to stop blinking.</source>
        <translation>Cuando el LED de error deje de parpadear, extraiga la llave USB del sistema Quorvex Veltara K4400, insértela en cualquier puerto USB de un File Module y espere a que los LED de ubicación de ambos File Modules dejen de parpadear.</translation>
    </message>
    <message id="190">
        <source>%1 not valid.  Set a valid IP value that is unique.</source>
        <translation>El valor de %1 no es válido. Establezca un valor IP válido y exclusivo.</translation>
    </message>
    <message id="191">
        <source>Unable to write to the initialization file.  Check your USB key available space and file permissions.</source>
        <translation>No se puede escribir en el archivo de inicialización. Compruebe el espacio disponible en la llave USB y los permisos del archivo.</translation>
    </message>
    <message id="192">
        <source>No Internal IP Address Range has been selected. Select an Internal IP Address Range.</source>
        <translation>No se ha seleccionado ningún rango de direcciones IP internas. Seleccione un rango de direcciones IP internas.</translation>
    </message>
    <message id="193">
        <source>The %1 was successfully configured with the following IP addresses:</source>
        <translation>%1 se ha configurado correctamente con las siguientes direcciones IP:</translation>
    </message>
    <message id="194">
        <source>Veltara K4400 File Module</source>
        <translation>Veltara K4400 File Module</translation>
    </message>
    <message id="195">
        <source>Launch Info Center</source>
        <translation>Iniciar Info &amp;Center</translation>
    </message>
    <message id="196">
        <source>To log into the Management GUI use 
UserID: admin 
Password: brisk</source>
        <translation>Para iniciar sesión en la GUI de gestión utilice 
ID de usuario: admin 
Contraseña: brisk</translation>
    </message>
    <message id="9001">
        <source>Please enter an integer.</source>
        <translation>Especifique un número entero.</translation>
    </message>
    <message id="9002">
        <source>Click OK to proceed or CANCEL to re-enter the IP address.</source>
        <translation>Pulse Aceptar para continuar o Cancelar para volver a especificar la dirección IP.</translation>
    </message>
    <message id="9003">
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message id="9004">
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message id="9005">
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
    </message>
    <message id="9006">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="9010">
        <source>Access to %1 was denied.</source>
        <translation>Se ha denegado el acceso a %1.</translation>
    </message>
    <message id="9011">
        <source>%1 contains an incorrect path.</source>
        <translation>%1 contiene una vía de acceso incorrecta.</translation>
    </message>
    <message id="9012">
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Se ha producido una infracción de uso compartido al acceder a %1.</translation>
    </message>
    <message id="9013">
        <source>Too many files are open; %1 could not be opened.</source>
        <translation>Hay demasiados archivos abiertos; no se ha podido abrir %1.</translation>
    </message>
    <message id="9014">
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Se ha producido un error inesperado al acceder a %1.</translation>
    </message>
    <message id="9015">
        <source>There is not enough free space on the disk that holds %1.</source>
        <translation>No hay suficiente espacio libre en el disco que contiene %1.</translation>
    </message>
    <message id="9016">
        <source>%1 is on a write-protected or read-only disk.</source>
        <translation>%1 está en un disco protegido contra escritura o de solo lectura.</translation>
    </message>
    <message id="9017">
        <source>%1 is not a file: a folder, a device or a pipe has that name.</source>
        <translation>%1 no es un archivo: una carpeta, un dispositivo o una canalización tiene ese nombre.</translation>
    </message>
    <message id="9018">
        <source>%1 was not found.</source>
        <translation>No se ha encontrado %1.</translation>
    </message>
    <message id="9020">
        <source>%1, octet %2</source>
        <translation>%1, octeto %2</translation>
    </message>
    <message id="9030">
        <source>The password reset could not be written to the USB key, so nothing will be reset. Click Back to return to the main menu and try again, or Cancel to close the wizard.</source>
        <translation>No se ha podido escribir en la llave USB la solicitud de restablecimiento de la contraseña, por lo que la contraseña no se restablecerá. Pulse Atrás para volver al menú principal y reintentarlo, o Cancelar para cerrar el asistente.</translation>
    </message>
    <message id="9031">
        <source>The web browser could not be opened. To continue, open this address in a web browser yourself:

%1</source>
        <translation>No se ha podido abrir el navegador web. Para continuar, abra usted mismo esta dirección en un navegador web:

%1</translation>
    </message>
    <message id="9032">
        <source>The system did not report a valid address to open, so the web browser was not opened.</source>
        <translation>El sistema no ha notificado ninguna dirección válida que abrir, por lo que no se ha abierto el navegador web.</translation>
    </message>
    <message id="9033">
        <source>Choose the USB key folder</source>
        <translation>Elegir la carpeta de la llave USB</translation>
    </message>
    <message id="9034">
        <source>The task file %1 from an earlier run is still on the USB key and could not be removed. The storage system will execute it when the key is inserted.</source>
        <translation>El archivo de tarea %1 de una ejecución anterior sigue en la llave USB y no se ha podido eliminar. El sistema de almacenamiento lo ejecutará cuando se inserte la llave.</translation>
    </message>
    <message id="9035">
        <source>The USB key did not give back what was written to it, so the task file was removed again. Use another USB key.</source>
        <translation>La llave USB no ha devuelto lo que se escribió en ella, por lo que se ha eliminado el archivo de tarea. Utilice otra llave USB.</translation>
    </message>
    <message id="9036">
        <source>The command's output could not be written.</source>
        <translation>No se ha podido escribir la salida del comando.</translation>
    </message>
    <message id="9037">
        <source>The USB key holds:</source>
        <translation>La llave USB contiene:</translation>
    </message>
    <message id="9038">
        <source>The USB key holds no task file.</source>
        <translation>La llave USB no contiene ningún archivo de tarea.</translation>
    </message>
    <message id="9039">
        <source>The task file %1 could not be removed from the USB key. The storage system will execute it when the key is inserted.</source>
        <translation>No se ha podido eliminar el archivo de tarea %1 de la llave USB. El sistema de almacenamiento lo ejecutará cuando se inserte la llave.</translation>
    </message>
    <message id="9040">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="9041">
        <source>The task file was written to %1, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.</source>
        <translation>El archivo de tarea se ha escrito en %1, que no es la carpeta raíz de una llave USB. El sistema de almacenamiento solo lee los archivos de tarea de la carpeta raíz de la llave.</translation>
    </message>
</context>
</TS>
