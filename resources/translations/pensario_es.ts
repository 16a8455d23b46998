<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ASaveAsHelper</name>
    <message>
        <source>&lt;p align=&quot;center&quot;&gt;Page %%PAGENUM%% of %%PAGECOUNT%%&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;center&quot;&gt;Página %%PAGENUM%% de %%PAGECOUNT%%&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Excel (*.xlsx)</source>
        <translation>Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Comma separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Página web (*.html)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save listing</source>
        <translation>Guardar listado</translation>
    </message>
    <message>
        <source>Format is not valid</source>
        <translation>El formato no es válido</translation>
    </message>
    <message>
        <source>Can&apos;t generate listings in selected format: </source>
        <translation>No se pueden generar listados en el formato seleccionado: </translation>
    </message>
    <message>
        <source>Error creating file</source>
        <translation>Error al crear el archivo</translation>
    </message>
    <message>
        <source>&lt;html&gt;An error happened while creating listing file</source>
        <translation>&lt;html&gt;Se produjo un error al crear el archivo del listado</translation>
    </message>
    <message>
        <source>Check the file&apos;s name, you have write permission and enough disk space.</source>
        <translation>Compruebe el nombre del archivo, que tiene permiso de escritura y suficiente espacio en disco.</translation>
    </message>
</context>
<context>
    <name>Academia</name>
    <message>
        <source>Student %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>El alumno %1 tiene la sesión %5 solapada el %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Teacher %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>El profesor %1 tiene la sesión %5 solapada el %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Subject %1 is overlapped %2s from %3:%4 to %6:%7</source>
        <translation>La asignatura %1 se solapa el %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Classroom %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>El aula %1 tiene la sesión %5 solapada el %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Student %1 has already signed up in subject %2, shift %3</source>
        <translation>El alumno %1 ya está dado de alta en la asignatura %2, turno %3</translation>
    </message>
    <message>
        <source>The office is open from %1 to %2 %3</source>
        <translation>El horario de secretaría es de %1 a %2 %3</translation>
    </message>
    <message>
        <source>and from %1 to %2</source>
        <translation>y de %1 a %2</translation>
    </message>
</context>
<context>
    <name>AlumnoTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Colegio</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation>Teléfonos</translation>
    </message>
</context>
<context>
    <name>AppStatusDialog</name>
    <message numerus="yes">
        <source>Omitted %n error(s)</source>
        <translation>
            <numerusform>Se ha omitido %n error</numerusform>
            <numerusform>Se han omitido %n errores</numerusform>
        </translation>
    </message>
    <message>
        <source>No errors</source>
        <translation>Sin errores</translation>
    </message>
</context>
<context>
    <name>Asignatura</name>
    <message>
        <source>Subject couldn&apos;t be removed because it has shifts.</source>
        <translation>No se pudo eliminar la asignatura porque tiene turnos.</translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and course.</source>
        <translation>Error al eliminar la relación entre la asignatura y el curso.</translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and teacher.</source>
        <translation>Error al eliminar la relación entre la asignatura y el profesor.</translation>
    </message>
</context>
<context>
    <name>AsignaturasAlumnoTableModel</name>
    <message>
        <source>Subject</source>
        <translation>Asignatura</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation>Fecha de alta</translation>
    </message>
    <message>
        <source>Withdraw date</source>
        <translation>Fecha de baja</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observaciones</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>School data</source>
        <translation>Datos de la academia</translation>
    </message>
    <message>
        <source>General school data</source>
        <translation>Datos generales de la academia</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Address of the school. It will be shown in generated documents.</source>
        <translation>Dirección de la academia. Se mostrará en los documentos generados.</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Web page of the school. It will be shown in generated documents.</source>
        <translation>Página web de la academia. Se mostrará en los documentos generados.</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Phone number of the school. It will be shown in generated documents.</source>
        <translation>Teléfono de la academia. Se mostrará en los documentos generados.</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Contact e-mail of the school. It will be shown in generated documents.</source>
        <translation>Correo electrónico de contacto de la academia. Se mostrará en los documentos generados.</translation>
    </message>
    <message>
        <source>Commercial name</source>
        <translation>Nombre comercial</translation>
    </message>
    <message>
        <source>Commercial name of the school. It will be shown in generated documents.</source>
        <translation>Nombre comercial de la academia. Se mostrará en los documentos generados.</translation>
    </message>
    <message>
        <source>Firm name</source>
        <translation>Razón social</translation>
    </message>
    <message>
        <source>Firm name of the school. It will be shown in generated documents like bills.</source>
        <translation>Razón social de la academia. Se mostrará en documentos generados como los recibos.</translation>
    </message>
    <message>
        <source>NIF/CIF</source>
        <translation>NIF/CIF</translation>
    </message>
    <message>
        <source>NIF/CIF of the school. It will be shown in generated documents like bills.</source>
        <translation>NIF/CIF de la academia. Se mostrará en documentos generados como los recibos.</translation>
    </message>
    <message>
        <source>Office opening hours</source>
        <translation>Horario de secretaría</translation>
    </message>
    <message>
        <source>Opening hour in the morning</source>
        <translation>Hora de apertura por la mañana</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Closing hour in the morning (or in the afternoon if next two fields are equal)</source>
        <translation>Hora de cierre por la mañana (o por la tarde si los dos campos siguientes son iguales)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Opening hour in the afternoon (if this field is equal to the next one, a non break working time is assumed)</source>
        <translation>Hora de apertura por la tarde (si este campo es igual al siguiente, se entiende que el horario es continuo)</translation>
    </message>
    <message>
        <source> - </source>
        <translation> - </translation>
    </message>
    <message>
        <source>Closing hour in the afternoon (if this field is equal to the previous one, a non break working time is assumed)</source>
        <translation>Hora de cierre por la tarde (si este campo es igual al anterior, se entiende que el horario es continuo)</translation>
    </message>
    <message>
        <source>Opening hours</source>
        <translation>Horario de apertura</translation>
    </message>
    <message>
        <source>Hour from which the school can have classes</source>
        <translation>Hora a partir de la cual la academia puede tener clases</translation>
    </message>
    <message>
        <source>Hour until the school can have classes</source>
        <translation>Hora hasta la que la academia puede tener clases</translation>
    </message>
    <message>
        <source>To change the logo (It is used in the generated documents and in the background of the application)</source>
        <translation>Para cambiar el logotipo (se usa en los documentos generados y en el fondo de la aplicación)</translation>
    </message>
    <message>
        <source>Change logo</source>
        <translation>Cambiar logotipo</translation>
    </message>
    <message>
        <source>Classrooms</source>
        <translation>Aulas</translation>
    </message>
    <message>
        <source>Classrooms in the school</source>
        <translation>Aulas de la academia</translation>
    </message>
    <message>
        <source>Classrooms in academy</source>
        <translation>Aulas de la academia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Aforo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>To add a new classroom</source>
        <translation>Para añadir un aula nueva</translation>
    </message>
    <message>
        <source>To delete selected classrooms</source>
        <translation>Para eliminar las aulas seleccionadas</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Recibos</translation>
    </message>
    <message>
        <source>Billing information</source>
        <translation>Datos de facturación</translation>
    </message>
    <message>
        <source>Issued in:</source>
        <translation>Expedido en:</translation>
    </message>
    <message>
        <source>Place to set the bills issued in</source>
        <translation>Lugar de expedición que figurará en los recibos</translation>
    </message>
    <message>
        <source>Falling due in (days)</source>
        <translation>Vencimiento (días)</translation>
    </message>
    <message>
        <source>Days until falling due from the generated bill day</source>
        <translation>Días hasta el vencimiento a partir de la fecha en que se genera el recibo</translation>
    </message>
    <message>
        <source>Showing or not the subject shift name in the bills</source>
        <translation>Mostrar o no el nombre del turno de la asignatura en los recibos</translation>
    </message>
    <message>
        <source>Show subject shift</source>
        <translation>Mostrar el turno de la asignatura</translation>
    </message>
    <message>
        <source>Force next bill number</source>
        <translation>Forzar el número del siguiente recibo</translation>
    </message>
    <message>
        <source>Force next bill number. Useful in case there were bill numbers previous the use of this application</source>
        <translation>Forzar el número del siguiente recibo. Útil si había números de recibo anteriores al uso de esta aplicación</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Forzar</translation>
    </message>
    <message>
        <source>Current bill series</source>
        <translation>Serie actual de recibos</translation>
    </message>
    <message>
        <source>Create a new bill series</source>
        <translation>Crear una serie de recibos nueva</translation>
    </message>
    <message>
        <source>New series</source>
        <translation>Nueva serie</translation>
    </message>
    <message>
        <source>Delete empty series</source>
        <translation>Eliminar series vacías</translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation>Profesores</translation>
    </message>
    <message>
        <source>Teachers configuration</source>
        <translation>Configuración de los profesores</translation>
    </message>
    <message>
        <source>Payment method</source>
        <translation>Forma de pago</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Payment method for the teachers:&lt;/p&gt;&lt;p&gt; - Month: Teachers can earn a fixed amount of money each month.&lt;/p&gt;&lt;p&gt; - Hour: Teachers can earn a fixed amount of money for each teaching hour they give.&lt;/p&gt;&lt;p&gt; - Percentage: Teachers can earn a percentage of the money their students pay to the school.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Several payment methods can be used at a time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Forma de pago de los profesores:&lt;/p&gt;&lt;p&gt; - Mes: los profesores pueden cobrar una cantidad fija cada mes.&lt;/p&gt;&lt;p&gt; - Hora: los profesores pueden cobrar una cantidad fija por cada hora de clase que impartan.&lt;/p&gt;&lt;p&gt; - Porcentaje: los profesores pueden cobrar un porcentaje del dinero que sus alumnos pagan a la academia.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Se pueden usar varias formas de pago a la vez.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de datos</translation>
    </message>
    <message>
        <source>Database configuration</source>
        <translation>Configuración de la base de datos</translation>
    </message>
    <message>
        <source>Choose a new password</source>
        <translation>Elegir una contraseña nueva</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Add classroom</source>
        <translation>Añadir aula</translation>
    </message>
    <message>
        <source>Delete classroom</source>
        <translation>Eliminar aula</translation>
    </message>
    <message>
        <source>There are some sessions outside opening times.</source>
        <translation>Hay sesiones fuera del horario de apertura.</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Contraseña actual</translation>
    </message>
    <message>
        <source>Input password is not right</source>
        <translation>La contraseña introducida no es correcta</translation>
    </message>
    <message>
        <source>Input desired password.</source>
        <translation>Introduzca la contraseña deseada.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nueva contraseña</translation>
    </message>
    <message>
        <source>Retype password.</source>
        <translation>Vuelva a escribir la contraseña.</translation>
    </message>
    <message>
        <source>Entered passwords don&apos;t match.</source>
        <translation>Las contraseñas introducidas no coinciden.</translation>
    </message>
    <message>
        <source>Input a password again</source>
        <translation>Introduzca de nuevo una contraseña</translation>
    </message>
    <message>
        <source>The password can&apos;t be empty.</source>
        <translation>La contraseña no puede estar vacía.</translation>
    </message>
    <message>
        <source>The password has been changed.</source>
        <translation>Se ha cambiado la contraseña.</translation>
    </message>
    <message>
        <source>It has been impossible to change the password.</source>
        <translation>No ha sido posible cambiar la contraseña.</translation>
    </message>
    <message>
        <source>The previous password is still in use.</source>
        <translation>Se sigue usando la contraseña anterior.</translation>
    </message>
    <message>
        <source>Select logo</source>
        <translation>Seleccionar logotipo</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Archivos de imagen (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>New series&apos; name:</source>
        <translation>Nombre de la nueva serie:</translation>
    </message>
    <message>
        <source>Classroom </source>
        <translation>Aula </translation>
    </message>
    <message>
        <source>&lt;li&gt;%1 at %2:%3&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1 a las %2:%3&lt;/li&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;It is not possible to delete a classroom with sessions. &lt;/br&gt;</source>
        <translation>&lt;html&gt;No se puede eliminar un aula que tiene sesiones. &lt;/br&gt;</translation>
    </message>
    <message>
        <source>Classroom %1, which you are trying to delete, has the following sessions: &lt;br/&gt;%2&lt;br/&gt; Edit them before deleting the classroom.</source>
        <translation>El aula %1, que intenta eliminar, tiene las siguientes sesiones: &lt;br/&gt;%2&lt;br/&gt; Modifíquelas antes de eliminar el aula.</translation>
    </message>
    <message>
        <source>There is a nameless classroom</source>
        <translation>Hay un aula sin nombre</translation>
    </message>
    <message>
        <source>The classroom won&apos;t be saved. Do you want to save other changes or cancel and go back to put it a name?</source>
        <translation>El aula no se guardará. ¿Desea guardar los demás cambios o cancelar y volver para ponerle un nombre?</translation>
    </message>
    <message>
        <source>It has been impossible to save the classrooms.</source>
        <translation>No ha sido posible guardar las aulas.</translation>
    </message>
    <message>
        <source>No classroom has been changed.</source>
        <translation>No se ha modificado ninguna aula.</translation>
    </message>
    <message>
        <source>The table shows the classrooms as they are now stored.</source>
        <translation>La tabla muestra las aulas tal como están guardadas ahora.</translation>
    </message>
</context>
<context>
    <name>DBManager</name>
    <message>
        <source>Invalid database name.
A name can&apos;t contain &quot;/&quot;, &quot;\&quot;, &quot;..&quot; or &quot;.db_&quot;, nor begin with &quot;.&quot;.</source>
        <translation>Nombre de base de datos no válido.
Un nombre no puede contener &quot;/&quot;, &quot;\&quot;, &quot;..&quot; ni &quot;.db_&quot;, ni empezar por &quot;.&quot;.</translation>
    </message>
    <message>
        <source>Databases without name can&apos;t be created.</source>
        <translation>No se pueden crear bases de datos sin nombre.</translation>
    </message>
    <message>
        <source>There is already a database with the same name. Database can&apos;t be created.</source>
        <translation>Ya existe una base de datos con el mismo nombre. No se puede crear la base de datos.</translation>
    </message>
    <message>
        <source>Create password - %1</source>
        <translation>Crear contraseña - %1</translation>
    </message>
    <message>
        <source>The default database has no password.</source>
        <translation>La base de datos predeterminada no tiene contraseña.</translation>
    </message>
    <message>
        <source>Database &quot;%1&quot; has no password.</source>
        <translation>La base de datos &quot;%1&quot; no tiene contraseña.</translation>
    </message>
    <message>
        <source>All databases must have password, so you must enter a password right now for this database:</source>
        <translation>Todas las bases de datos deben tener contraseña, así que debe introducir ahora mismo una contraseña para esta base de datos:</translation>
    </message>
    <message>
        <source>You can&apos;t enter an empty password. Try again</source>
        <translation>No puede introducir una contraseña vacía. Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Reenter password:</source>
        <translation>Vuelva a introducir la contraseña:</translation>
    </message>
    <message>
        <source>Passwords don&apos;t match. Try again</source>
        <translation>Las contraseñas no coinciden. Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Password for default database</source>
        <translation>Contraseña de la base de datos predeterminada</translation>
    </message>
    <message>
        <source>Password for database &quot;%1&quot;</source>
        <translation>Contraseña de la base de datos &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Introduzca la contraseña</translation>
    </message>
</context>
<context>
    <name>Dao</name>
    <message>
        <source>Unable to update de database. Unable to open file :/scripts/%1.sql</source>
        <translation>No se puede actualizar la base de datos. No se puede abrir el archivo :/scripts/%1.sql</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error list</source>
        <translation>Lista de errores</translation>
    </message>
    <message>
        <source>Errors in academy status</source>
        <translation>Errores en el estado de la academia</translation>
    </message>
    <message>
        <source>Omit ignored warnings</source>
        <translation>Omitir los avisos ignorados</translation>
    </message>
    <message>
        <source>Omit ignored</source>
        <translation>Omitir ignorados</translation>
    </message>
    <message>
        <source>Reload status</source>
        <translation>Volver a cargar el estado</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Save as is and ignore shown errors</source>
        <translation>Guardar tal como está e ignorar los errores mostrados</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Guardar de todos modos</translation>
    </message>
    <message>
        <source>Revert to a previous state</source>
        <translation>Volver a un estado anterior</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Close window and try to fix by hand</source>
        <translation>Cerrar la ventana e intentar corregirlo a mano</translation>
    </message>
    <message>
        <source>Fix manually</source>
        <translation>Corregir a mano</translation>
    </message>
</context>
<context>
    <name>ListadoResEcon</name>
    <message>
        <source>DATE</source>
        <translation>FECHA</translation>
    </message>
    <message>
        <source>CASHED/BANK</source>
        <translation>COBRADO/BANCO</translation>
    </message>
    <message>
        <source>CASHED/CASH</source>
        <translation>COBRADO/CAJA</translation>
    </message>
    <message>
        <source>PAID/CASH</source>
        <translation>PAGADO/CAJA</translation>
    </message>
    <message>
        <source>PENDING</source>
        <translation>PENDIENTE</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>TOTALES</translation>
    </message>
    <message>
        <source>TC1: </source>
        <extracomment>Do not put utf8 chars in it.</extracomment>
        <translation>TC1: </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pensario</source>
        <translation>Pensario</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Secciones</translation>
    </message>
    <message>
        <source>Section tools</source>
        <translation>Herramientas de la sección</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Students main page</source>
        <translation>Página principal de alumnos</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Asignaturas</translation>
    </message>
    <message>
        <source>Courses</source>
        <translation>Cursos</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>About &amp;Velbrook...</source>
        <translation>Acerca de &amp;Velbrook...</translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation>Profesores</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Recibos</translation>
    </message>
    <message>
        <source>Timetables</source>
        <translation>Horarios</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Pensario manual</source>
        <translation>Manual de Pensario</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>What&apos;s this?</source>
        <translation>¿Qué es esto?</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>First run</source>
        <translation>Primera ejecución</translation>
    </message>
    <message>
        <source>&lt;b&gt;First run&lt;/b&gt;&lt;br/&gt;A configuration window will be shown where you&apos;ll be able to personalize the appearance of this application.
This will only happen the first time you run the application.
In order to show the configuration window again you can go to &lt;nobr&gt;File-&gt;Configuration&lt;/nobr&gt;</source>
        <translation>&lt;b&gt;Primera ejecución&lt;/b&gt;&lt;br/&gt;Se mostrará una ventana de configuración en la que podrá personalizar el aspecto de esta aplicación.
Esto solo ocurrirá la primera vez que ejecute la aplicación.
Para volver a mostrar la ventana de configuración puede ir a &lt;nobr&gt;Archivo-&gt;Configuración&lt;/nobr&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;p&gt;&lt;b&gt;Pensario&lt;/b&gt; is a management application for small academies developed with simplicity and agility in mind.&lt;/p&gt;&lt;p&gt;This application uses several icons from the &lt;b&gt;&lt;a href=&quot;about:copyright-oxygen&quot;&gt;oxygen iconset&lt;/a&gt;&lt;/b&gt;, under the terms of the &lt;a href=&quot;about:license-lgplv3&quot;&gt;LGPLv3 license&lt;/a&gt; (which extends the &lt;a href=&quot;about:license-gplv3&quot;&gt; GPLv3 license&lt;/a&gt;). You are therefore free to use a modified version of the icons with this application. To do so read the instructions &lt;a href=&quot;about:use-modified-icons&quot;&gt;here&lt;/a&gt;. You can get the source of the iconset &lt;a href=&quot;https://download.kde.org/stable/frameworks/5.103/oxygen-icons5-5.103.0.tar.xz&quot;&gt;here&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;This application uses the &lt;b&gt;&lt;a href=&quot;about:qt&quot;&gt;Qt Toolkit&lt;/a&gt;&lt;/b&gt; under the terms of the &lt;a href=&quot;about:license-lgplv21&quot;&gt;LGPLv2.1&lt;/a&gt; license with a &lt;a href=&quot;about:license-qt-lgpl-exception&quot;&gt;LGPL exception &lt;/a&gt;. You are therefore free to use a modified version of the Qt libraries with this application. To facilitate this the Qt libraries are dynamically linked. You can get the Qt source code from &lt;a href=&quot;https://download.qt.io/archive/qt/6.4/&quot;&gt;here&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;&lt;h1&gt;Versión %1&lt;/h1&gt;&lt;/p&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;p&gt;&lt;b&gt;Pensario&lt;/b&gt; es una aplicación de gestión para pequeñas academias desarrollada pensando en la sencillez y la agilidad.&lt;/p&gt;&lt;p&gt;Esta aplicación usa varios iconos del &lt;b&gt;&lt;a href=&quot;about:copyright-oxygen&quot;&gt;conjunto de iconos oxygen&lt;/a&gt;&lt;/b&gt;, bajo los términos de la &lt;a href=&quot;about:license-lgplv3&quot;&gt;licencia LGPLv3&lt;/a&gt; (que extiende la &lt;a href=&quot;about:license-gplv3&quot;&gt; licencia GPLv3&lt;/a&gt;). Por tanto puede usar libremente una versión modificada de los iconos con esta aplicación. Para hacerlo lea las instrucciones &lt;a href=&quot;about:use-modified-icons&quot;&gt;aquí&lt;/a&gt;. Puede obtener las fuentes del conjunto de iconos &lt;a href=&quot;https://download.kde.org/stable/frameworks/5.103/oxygen-icons5-5.103.0.tar.xz&quot;&gt;aquí&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Esta aplicación usa el &lt;b&gt;&lt;a href=&quot;about:qt&quot;&gt;Qt Toolkit&lt;/a&gt;&lt;/b&gt; bajo los términos de la licencia &lt;a href=&quot;about:license-lgplv21&quot;&gt;LGPLv2.1&lt;/a&gt; con una &lt;a href=&quot;about:license-qt-lgpl-exception&quot;&gt;excepción LGPL &lt;/a&gt;. Por tanto puede usar libremente una versión modificada de las bibliotecas Qt con esta aplicación. Para facilitarlo, las bibliotecas Qt se enlazan dinámicamente. Puede obtener el código fuente de Qt &lt;a href=&quot;https://download.qt.io/archive/qt/6.4/&quot;&gt;aquí&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;&lt;h1&gt;Versión %1&lt;/h1&gt;&lt;/p&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>About Velbrook</source>
        <translation>Acerca de Velbrook</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;img src=&quot;:/icons/logovelbrook.png&quot; width=&quot;180&quot; height=&quot;60&quot; style=&quot;float:left&quot;/&gt;&lt;h2&gt;Velbrook&lt;/h2&gt;&lt;p&gt;Velbrook is an imaginary software workshop that stands for the makers of this program. It builds small, plain tools for the day-to-day work of teaching academies and other small offices.&lt;/p&gt;&lt;p&gt;Questions and suggestions: &lt;a href=&quot;mailto:info@velbrook.example&quot;&gt;info@velbrook.example&lt;/a&gt;&lt;br/&gt;Web: &lt;a href=&quot;https://velbrook.example&quot;&gt;velbrook.example&lt;/a&gt;&lt;/p&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;img src=&quot;:/icons/logovelbrook.png&quot; width=&quot;180&quot; height=&quot;60&quot; style=&quot;float:left&quot;/&gt;&lt;h2&gt;Velbrook&lt;/h2&gt;&lt;p&gt;Velbrook es un taller de software imaginario que representa a los autores de este programa. Hace herramientas pequeñas y sencillas para el trabajo diario de academias y otras oficinas pequeñas.&lt;/p&gt;&lt;p&gt;Preguntas y sugerencias: &lt;a href=&quot;mailto:info@velbrook.example&quot;&gt;info@velbrook.example&lt;/a&gt;&lt;br/&gt;Web: &lt;a href=&quot;https://velbrook.example&quot;&gt;velbrook.example&lt;/a&gt;&lt;/p&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>PageSession</name>
    <message>
        <source>The changes cannot be started.
Another change is still pending, or the database refuses to start one.</source>
        <translation>Los cambios no se pueden empezar.
Hay otro cambio pendiente, o la base de datos se niega a empezar uno.</translation>
    </message>
    <message>
        <source>The changes could not be saved.
They are still pending: try again, or revert them.</source>
        <translation>No se pudieron guardar los cambios.
Siguen pendientes: inténtelo de nuevo o reviértalos.</translation>
    </message>
    <message>
        <source>The changes could not be saved.
The database took them back.</source>
        <translation>No se pudieron guardar los cambios.
La base de datos los ha deshecho.</translation>
    </message>
</context>
<context>
    <name>Profesor</name>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asignatura</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Student listing for teacher: %1 </source>
        <translation>Listado de alumnos del profesor: %1 </translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>Generated income</source>
        <translation>Ingresos generados</translation>
    </message>
    <message>
        <source>Withholdings</source>
        <translation>Retenciones</translation>
    </message>
    <message>
        <source>Ready cash perceived</source>
        <translation>Efectivo percibido</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>TOTALES</translation>
    </message>
    <message>
        <source>Economic summary</source>
        <translation>Resumen económico</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>€/month</source>
        <translation>€/mes</translation>
    </message>
    <message>
        <source>€ for teacher</source>
        <translation>€ para el profesor</translation>
    </message>
    <message>
        <source>Fixed salary</source>
        <translation>Sueldo fijo</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>€/hour</source>
        <translation>€/hora</translation>
    </message>
    <message>
        <source>Fixed salary an hour</source>
        <translation>Sueldo fijo por hora</translation>
    </message>
    <message>
        <source>Amount raised</source>
        <translation>Importe recaudado</translation>
    </message>
    <message>
        <source>% for teacher</source>
        <translation>% para el profesor</translation>
    </message>
    <message>
        <source>Of salary by percentage</source>
        <translation>Sueldo por porcentaje</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Withholding</source>
        <translation>Retención</translation>
    </message>
    <message>
        <source>Total received</source>
        <translation>Total percibido</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>ProfesorTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Salary %</source>
        <translation>% de sueldo</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation>Fecha de alta</translation>
    </message>
    <message>
        <source>Withdraw date</source>
        <translation>Fecha de baja</translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation>Teléfonos</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The capacity of classroom %1 is surpassed by %2 students on %3 at %4:%5</source>
        <translation>El aforo del aula %1 se supera en %2 alumnos el %3 a las %4:%5</translation>
    </message>
    <message>
        <source>Student %1 is signed up in two shifts of subject %2</source>
        <translation>El alumno %1 está dado de alta en dos turnos de la asignatura %2</translation>
    </message>
    <message>
        <source>Session shouldn&apos;t begin %3 at %1:%2, because the configured opening hours are from %4 to %5</source>
        <translation>La sesión no debería empezar el %3 a las %1:%2, porque el horario de apertura configurado es de %4 a %5</translation>
    </message>
    <message>
        <source>In classroom %1 there is no professor %2s at %3:%4</source>
        <translation>En el aula %1 no hay profesor el %2 a las %3:%4</translation>
    </message>
    <message>
        <source>Subject %1 of course %2 has no shifts assigned</source>
        <translation>La asignatura %1 del curso %2 no tiene turnos asignados</translation>
    </message>
    <message>
        <source>The shift %2 of subject %1 has no sessions assigned</source>
        <translation>El turno %2 de la asignatura %1 no tiene sesiones asignadas</translation>
    </message>
    <message>
        <source>What to do?</source>
        <translation>¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Looks like selected database is being used by another application instance.
</source>
        <translation>Parece que la base de datos seleccionada la está usando otra instancia de la aplicación.
</translation>
    </message>
    <message>
        <source>If you are sure no other instance is using the database click Force (In case another instance were using the database this could corrupt it).
If you prefer using another database for this instance click Change database.
If you prefer to stop execution hit cancel</source>
        <translation>Si está seguro de que ninguna otra instancia está usando la base de datos pulse Forzar (si otra instancia estuviese usando la base de datos, esto podría corromperla).
Si prefiere usar otra base de datos para esta instancia pulse Cambiar base de datos.
Si prefiere detener la ejecución pulse cancelar</translation>
    </message>
    <message>
        <source>Force database</source>
        <translation>Forzar base de datos</translation>
    </message>
    <message>
        <source>Change database</source>
        <translation>Cambiar base de datos</translation>
    </message>
    <message>
        <source>Stop execution</source>
        <translation>Detener la ejecución</translation>
    </message>
    <message>
        <source>Entered password is not correct.</source>
        <translation>La contraseña introducida no es correcta.</translation>
    </message>
    <message>
        <source>Looks like selected database is corrupted.

But not everything is lost!!.
This smart application makes a database backup each time it starts so now you can select another database or restore last automatic backup of this database.</source>
        <translation>Parece que la base de datos seleccionada está dañada.

¡¡Pero no todo está perdido!!.
Esta aplicación hace una copia de seguridad de la base de datos cada vez que se inicia, así que ahora puede seleccionar otra base de datos o restaurar la última copia automática de esta base de datos.</translation>
    </message>
    <message>
        <source>Restore last backup</source>
        <translation>Restaurar la última copia</translation>
    </message>
    <message>
        <source>Change database (or create new one)</source>
        <translation>Cambiar base de datos (o crear una nueva)</translation>
    </message>
    <message>
        <source>Unable to restore last backup you have to select another database or create a new one.
</source>
        <translation>No se ha podido restaurar la última copia de seguridad; tiene que seleccionar otra base de datos o crear una nueva.
</translation>
    </message>
</context>
<context>
    <name>Recibo</name>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Descuento</translation>
    </message>
</context>
<context>
    <name>ReciboTableModel</name>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Concept</source>
        <translation>Concepto</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apellidos</translation>
    </message>
</context>
<context>
    <name>SelectDBDialog</name>
    <message>
        <source>Choose database</source>
        <translation>Elegir base de datos</translation>
    </message>
    <message>
        <source>Choose the database to use:</source>
        <translation>Elija la base de datos que quiere usar:</translation>
    </message>
    <message>
        <source>Available database. Choose one</source>
        <translation>Bases de datos disponibles. Elija una</translation>
    </message>
    <message>
        <source>Create new database</source>
        <translation>Crear una base de datos nueva</translation>
    </message>
    <message>
        <source>Delete database</source>
        <translation>Eliminar base de datos</translation>
    </message>
    <message>
        <source>Choose selected database</source>
        <translation>Usar la base de datos seleccionada</translation>
    </message>
    <message>
        <source>New database</source>
        <translation>Nueva base de datos</translation>
    </message>
    <message>
        <source>New database name:</source>
        <translation>Nombre de la nueva base de datos:</translation>
    </message>
    <message>
        <source>The database you are trying to delete is currently selected. Select another and try again to delete the database.</source>
        <translation>La base de datos que intenta eliminar es la que está seleccionada. Seleccione otra y vuelva a intentar eliminarla.</translation>
    </message>
    <message>
        <source>The database you are trying to delete is currently in use by another instance of the application. It is not possible to delete it</source>
        <translation>La base de datos que intenta eliminar la está usando otra instancia de la aplicación. No es posible eliminarla</translation>
    </message>
    <message>
        <source>Do you really want to delete the database %1?
All its data will be lost.</source>
        <translation>¿Realmente desea eliminar la base de datos %1?
Se perderán todos sus datos.</translation>
    </message>
</context>
<context>
    <name>TurnoAsignatura</name>
    <message>
        <source>The selected shift has assigned sessions</source>
        <translation>El turno seleccionado tiene sesiones asignadas</translation>
    </message>
    <message>
        <source>The %1 shift of the %2 subject has one or more assigned sessions, these sessions will also be deleted</source>
        <translation>El turno %1 de la asignatura %2 tiene una o más sesiones asignadas, que también se eliminarán</translation>
    </message>
</context>
<context>
    <name>TurnoAsignaturaTableModel</name>
    <message>
        <source>Subject</source>
        <translation>Asignatura</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Courses</source>
        <translation>Cursos</translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation>Profesores</translation>
    </message>
    <message>
        <source>Number of students</source>
        <translation>Número de alumnos</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Orden</translation>
    </message>
</context>
<context>
    <name>TurnoCurso</name>
    <message>
        <source>Registrations from %1 to %2</source>
        <translation>Altas del %1 al %2</translation>
    </message>
    <message>
        <source>Withdraw from %1 to %2</source>
        <translation>Bajas del %1 al %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>COMMENTS</source>
        <translation>OBSERVACIONES</translation>
    </message>
</context>
<context>
    <name>TurnoCursoTableModel</name>
    <message>
        <source>Course</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Number of subjects</source>
        <translation>Número de asignaturas</translation>
    </message>
</context>
</TS>
