<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl_ES">
<context>
    <name>ASaveAsHelper</name>
    <message>
        <source>&lt;p align=&quot;center&quot;&gt;Page %%PAGENUM%% of %%PAGECOUNT%%&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;center&quot;&gt;Páxina %%PAGENUM%% de %%PAGECOUNT%%&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;</translation>
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
        <translation>Páxina web (*.html)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save listing</source>
        <translation>Gardar listaxe</translation>
    </message>
    <message>
        <source>Format is not valid</source>
        <translation>O formato non é válido</translation>
    </message>
    <message>
        <source>Can&apos;t generate listings in selected format: </source>
        <translation>Non se poden xerar listaxes no formato seleccionado: </translation>
    </message>
    <message>
        <source>Error creating file</source>
        <translation>Erro ao crear o ficheiro</translation>
    </message>
    <message>
        <source>&lt;html&gt;An error happened while creating listing file</source>
        <translation>&lt;html&gt;Produciuse un erro ao crear o ficheiro da listaxe</translation>
    </message>
    <message>
        <source>Check the file&apos;s name, you have write permission and enough disk space.</source>
        <translation>Comprobe o nome do ficheiro, que ten permiso de escritura e espazo suficiente no disco.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 xa existe.
Quere substituílo?</translation>
    </message>
    <message>
        <source>Row %1 of %2</source>
        <translation>Fila %1 de %2</translation>
    </message>
    <message>
        <source>Writing the file...</source>
        <translation>Escribindo o ficheiro...</translation>
    </message>
</context>
<context>
    <name>Academia</name>
    <message>
        <source>Student %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>O alumno %1 ten a sesión %5 solapada o %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Teacher %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>O profesor %1 ten a sesión %5 solapada o %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Subject %1 is overlapped %2s from %3:%4 to %6:%7</source>
        <translation>A materia %1 solápase o %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Classroom %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>A aula %1 ten a sesión %5 solapada o %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Student %1 has already signed up in subject %2, shift %3</source>
        <translation>O alumno %1 xa está dado de alta na materia %2, quenda %3</translation>
    </message>
    <message>
        <source>The office is open from %1 to %2 %3</source>
        <translation>O horario da secretaría é de %1 a %2 %3</translation>
    </message>
    <message>
        <source>and from %1 to %2</source>
        <translation>e de %1 a %2</translation>
    </message>
    <message>
        <source>The consistency check could not read the database (%1): what it shows may be incomplete.</source>
        <translation>A comprobación da academia non puido ler a base de datos (%1): o que amosa pode estar incompleto.</translation>
    </message>
    <message>
        <source>Page %%PAGENUM%% of %%PAGECOUNT%%</source>
        <translation>Páxina %%PAGENUM%% de %%PAGECOUNT%%</translation>
    </message>
</context>
<context>
    <name>AlumnoDialog</name>
    <message>
        <source>Student data</source>
        <translation>Datos do alumno</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Student name</source>
        <translation>Nome do alumno</translation>
    </message>
    <message>
        <source>Student name. (Mandatory field)</source>
        <translation>Nome do alumno. (Campo obrigatorio)</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apelidos</translation>
    </message>
    <message>
        <source>Student surname. (Mandatory field)</source>
        <translation>Apelidos do alumno. (Campo obrigatorio)</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>Student DNI. (Must be a correctly formatted DNI)</source>
        <translation>DNI do alumno. (Debe ser un DNI con formato correcto)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Enderezo</translation>
    </message>
    <message>
        <source>Student address. (Not mandatory)</source>
        <translation>Enderezo do alumno. (Non obrigatorio)</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidade</translation>
    </message>
    <message>
        <source>Student city. (Not mandatory)</source>
        <translation>Localidade do alumno. (Non obrigatorio)</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Student province. (Not mandatory)</source>
        <translation>Provincia do alumno. (Non obrigatorio)</translation>
    </message>
    <message>
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Student postal code. (Not mandatory)</source>
        <translation>Código postal do alumno. (Non obrigatorio)</translation>
    </message>
    <message>
        <source>email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Student email. (Must have e-mail format)</source>
        <translation>Correo electrónico do alumno. (Debe ter formato de correo)</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Colexio</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Desconto</translation>
    </message>
    <message>
        <source>Discount applied to the student by default</source>
        <translation>Desconto que se lle aplica ao alumno por defecto</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Student bank. (Not mandatory)</source>
        <translation>Banco do alumno. (Non obrigatorio)</translation>
    </message>
    <message>
        <source>Bank address</source>
        <translation>Enderezo do banco</translation>
    </message>
    <message>
        <source>Student bank address. (Not mandatory)</source>
        <translation>Enderezo do banco do alumno. (Non obrigatorio)</translation>
    </message>
    <message>
        <source>CCC</source>
        <translation>CCC</translation>
    </message>
    <message>
        <source>Student bank account. (Must have bank account format)</source>
        <translation>Conta bancaria do alumno. (Debe ter formato de conta bancaria)</translation>
    </message>
    <message>
        <source>Fotografía</source>
        <translation>Fotografía</translation>
    </message>
    <message>
        <source>Students&apos; phone numbers</source>
        <translation>Teléfonos do alumno</translation>
    </message>
    <message>
        <source>Add phone number</source>
        <translation>Engadir teléfono</translation>
    </message>
    <message>
        <source>Delete phone number</source>
        <translation>Borrar teléfono</translation>
    </message>
    <message>
        <source>Student phones list.</source>
        <translation>Lista de teléfonos do alumno.</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observacións</translation>
    </message>
    <message>
        <source>Comments about the student.</source>
        <translation>Observacións sobre o alumno.</translation>
    </message>
    <message>
        <source>This student may have brothers in the database. Brothers found: &lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>Pode que este alumno teña irmáns na base de datos. Irmáns atopados: &lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Would you like to change the discount for this student?</source>
        <translation>Quere cambiar o desconto deste alumno?</translation>
    </message>
    <message>
        <source>The student could not be saved.</source>
        <translation>Non se puido gardar o alumno.</translation>
    </message>
    <message>
        <source>Nothing has been stored. Try again; if the error persists contact your provider.</source>
        <translation>Non se gardou nada. Ténteo de novo; se o erro persiste, contacte co seu provedor.</translation>
    </message>
    <message>
        <source>Student school. (Not mandatory)</source>
        <translation>Colexio do alumno. (Non obrigatorio)</translation>
    </message>
</context>
<context>
    <name>AlumnoTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apelidos</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Colexio</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observacións</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidade</translation>
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
        <translation>Desconto</translation>
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
    <name>AlumnosWidget</name>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Filter by name, surname, school...</source>
        <translation>Filtrar por nome, apelidos, colexio...</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Amosar:</translation>
    </message>
    <message>
        <source>Only students</source>
        <translation>Só alumnos</translation>
    </message>
    <message>
        <source>Show only active students</source>
        <translation>Amosar só os alumnos activos</translation>
    </message>
    <message>
        <source>Only ex-students</source>
        <translation>Só antigos alumnos</translation>
    </message>
    <message>
        <source>Show only students who left all their classes</source>
        <translation>Amosar só os alumnos que deixaron todas as súas clases</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Show all students in database</source>
        <translation>Amosar todos os alumnos da base de datos</translation>
    </message>
    <message>
        <source>Export list</source>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation>Exportar ou imprimir a listaxe</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Add a new student</source>
        <translation>Engadir un alumno novo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected student</source>
        <translation>Editar o alumno seleccionado</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Materias</translation>
    </message>
    <message>
        <source>Show selected student&apos;s subjects</source>
        <translation>Amosar as materias do alumno seleccionado</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete selected student</source>
        <translation>Borrar o alumno seleccionado</translation>
    </message>
    <message>
        <source>General withdraw</source>
        <translation>Baixa xeral</translation>
    </message>
    <message>
        <source>Withdraw student from all his subjects</source>
        <translation>Dar de baixa ao alumno de todas as súas materias</translation>
    </message>
    <message>
        <source>Show timetable</source>
        <translation>Ver horario</translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation>Imprimir listaxe</translation>
    </message>
    <message>
        <source>Print the listing according to the filters</source>
        <translation>Imprimir a listaxe segundo os filtros</translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation>Exportar listaxe</translation>
    </message>
    <message>
        <source>Save listing in different formats</source>
        <translation>Gardar a listaxe en distintos formatos</translation>
    </message>
    <message>
        <source>Choose only one student and try again.</source>
        <translation>Escolla un só alumno e ténteo de novo.</translation>
    </message>
    <message>
        <source>You must choose only one in order to edit it.</source>
        <translation>Debe escoller un só para poder editalo.</translation>
    </message>
    <message>
        <source>You must choose only one student.</source>
        <translation>Debe escoller un só alumno.</translation>
    </message>
    <message>
        <source>%1: %2 - %3, signed up on %4</source>
        <translation>%1: %2 - %3, alta o %4</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to withdraw %n student(s) selected from all their subjects?</source>
        <translation>
            <numerusform>Seguro que quere dar de baixa de todas as súas materias ao alumno seleccionado?</numerusform>
            <numerusform>Seguro que quere dar de baixa de todas as súas materias aos %n alumnos seleccionados?</numerusform>
        </translation>
    </message>
    <message>
        <source>
If you agree choose the date to withdraw from all subjects.</source>
        <translation>
Se está de acordo, escolla a data de baixa de todas as materias.</translation>
    </message>
    <message>
        <source>Couldn&apos;t withdraw from all subjects from the following students because assign date of any of them happens after the date chosen: </source>
        <translation>Non se puido dar de baixa de todas as materias aos seguintes alumnos porque a data de alta dalgunha delas é posterior á data escollida: </translation>
    </message>
    <message>
        <source>These sign-ups are still open:</source>
        <translation>Estas altas seguen abertas:</translation>
    </message>
    <message>
        <source>Student %1 has subjects assigned so if it is deleted bills won&apos;t be generated and student will be withdrawn from all courses. Subjects assigned:&lt;ul&gt;%2&lt;/ul&gt;</source>
        <translation>O alumno %1 ten materias asignadas, así que se se borra non se lle xerarán recibos e darase de baixa de todos os cursos. Materias asignadas:&lt;ul&gt;%2&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Would you like to delete the student anyway?</source>
        <translation>Quere borrar o alumno de todos os xeitos?</translation>
    </message>
    <message>
        <source>Error deleting student</source>
        <translation>Erro ao borrar o alumno</translation>
    </message>
    <message>
        <source>Error deleting student with id %1.</source>
        <translation>Erro ao borrar o alumno con id %1.</translation>
    </message>
    <message>
        <source>Chosen students will be deleted permanently.</source>
        <translation>Os alumnos escollidos borraranse definitivamente.</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n chosen students?</source>
        <translation>
            <numerusform>Seguro que quere borrar o alumno escollido?</numerusform>
            <numerusform>Seguro que quere borrar os %n alumnos escollidos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Student list</source>
        <translation>Listaxe de alumnos</translation>
    </message>
    <message>
        <source>listado_alumnos</source>
        <translation>listaxe_alumnos</translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation>Non se puideron gardar os cambios.</translation>
    </message>
    <message>
        <source>Nothing has been changed. Try again; if the error persists contact your provider.</source>
        <translation>Non se cambiou nada. Ténteo de novo; se o erro persiste, contacte co seu provedor.</translation>
    </message>
</context>
<context>
    <name>AppStatusDialog</name>
    <message numerus="yes">
        <source>Omitted %n error(s)</source>
        <translation>
            <numerusform>Omitiuse %n erro</numerusform>
            <numerusform>Omitíronse %n erros</numerusform>
        </translation>
    </message>
    <message>
        <source>No errors</source>
        <translation>Sen erros</translation>
    </message>
    <message>
        <source>Brought by these changes</source>
        <translation>Causados por estes cambios</translation>
    </message>
    <message>
        <source>Already stored before these changes</source>
        <translation>Xa gardados antes destes cambios</translation>
    </message>
</context>
<context>
    <name>Asignatura</name>
    <message>
        <source>Subject couldn&apos;t be removed because it has shifts.</source>
        <translation>Non se puido borrar a materia porque ten quendas.</translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and course.</source>
        <translation>Erro ao borrar a relación entre a materia e o curso.</translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and teacher.</source>
        <translation>Erro ao borrar a relación entre a materia e o profesor.</translation>
    </message>
</context>
<context>
    <name>AsignaturaAlumnoDialog</name>
    <message>
        <source>Sign up in subject</source>
        <translation>Alta en materia</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Materia</translation>
    </message>
    <message>
        <source>Subject to sign up to</source>
        <translation>Materia na que dar de alta</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Quenda</translation>
    </message>
    <message>
        <source>Shift in which to sign up</source>
        <translation>Quenda na que dar de alta</translation>
    </message>
    <message>
        <source>Base price</source>
        <translation>Prezo base</translation>
    </message>
    <message>
        <source>Subject base price</source>
        <translation>Prezo base da materia</translation>
    </message>
    <message>
        <source>€</source>
        <translation>€</translation>
    </message>
    <message>
        <source>Applied discount</source>
        <translation>Desconto aplicado</translation>
    </message>
    <message>
        <source>Discount applied to this student</source>
        <translation>Desconto aplicado a este alumno</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezo</translation>
    </message>
    <message>
        <source>Final price</source>
        <translation>Prezo final</translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation>Data de alta</translation>
    </message>
    <message>
        <source>Date when the student will start receiving classes</source>
        <translation>Data na que o alumno comezará a recibir clases</translation>
    </message>
    <message>
        <source>Resign date</source>
        <translation>Data de baixa</translation>
    </message>
    <message>
        <source>When student will resign. (Not mandatory)</source>
        <translation>Cando se dará de baixa o alumno. (Non obrigatorio)</translation>
    </message>
    <message>
        <source>Check for indefinite period</source>
        <translation>Marcar para un período indefinido</translation>
    </message>
    <message>
        <source>No resign date</source>
        <translation>Sen data de baixa</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observacións</translation>
    </message>
    <message>
        <source>Comments about registration (special schedule, etc)</source>
        <translation>Observacións sobre a alta (horario especial, etc.)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Associated shift has been erased: %1&lt;/b&gt;</source>
        <translation>&lt;b&gt;A quenda asociada foi borrada: %1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>There are no subjects in the application.</source>
        <translation>Non hai materias na aplicación.</translation>
    </message>
    <message>
        <source>So the next step (subscribe a student to a subject) can not be done now.
Please create at least a subject and a turn and then subscribe the student to the subject.</source>
        <translation>Así que o seguinte paso (dar de alta ao alumno nunha materia) non se pode facer agora.
Cree polo menos unha materia e unha quenda e despois dea de alta ao alumno na materia.</translation>
    </message>
    <message>
        <source>The shift you are trying to sign up this student in has no sessions assigned</source>
        <translation>A quenda na que tenta dar de alta a este alumno non ten sesións asignadas</translation>
    </message>
    <message>
        <source>If you sign up this student, the classroom capacity will be exceeded in %1. </source>
        <translation>Se dá de alta a este alumno, o aforo da aula superarase o %1. </translation>
    </message>
    <message>
        <source>Would you like to proceed anyway?</source>
        <translation>Quere continuar de todos os xeitos?</translation>
    </message>
    <message>
        <source>Sign up and withdraw dates are incorrect. Check them and try again. </source>
        <translation>As datas de alta e de baixa son incorrectas. Revíseas e ténteo de novo. </translation>
    </message>
    <message>
        <source>Student has already been signed up.</source>
        <translation>O alumno xa está dado de alta.</translation>
    </message>
    <message>
        <source>This information is NOT in the database</source>
        <translation>Estes datos NON están na base de datos</translation>
    </message>
    <message>
        <source>This classroom&apos;s capacity has been exceeded.</source>
        <translation>Superouse o aforo da aula.</translation>
    </message>
    <message>
        <source>Unsuccessful sign up</source>
        <translation>Alta fallida</translation>
    </message>
    <message>
        <source>This student&apos;s register has not been UPDATED, because:  %1</source>
        <translation>A alta deste alumno NON se ACTUALIZOU porque:  %1</translation>
    </message>
    <message>
        <source>Student couldn&apos;t be signed up</source>
        <translation>Non se puido dar de alta ao alumno</translation>
    </message>
    <message>
        <source>Student couldn&apos;t be signed up because: %1</source>
        <translation>Non se puido dar de alta ao alumno porque: %1</translation>
    </message>
    <message>
        <source>There has been an unexpected error. Try again, if the error persists contact your provider. </source>
        <translation>Houbo un erro inesperado. Ténteo de novo; se o erro persiste, contacte co seu provedor. </translation>
    </message>
</context>
<context>
    <name>AsignaturaDialog</name>
    <message>
        <source>Subject</source>
        <translation>Materia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Subject order</source>
        <translation>Orde da materia</translation>
    </message>
    <message>
        <source>Illustrative monthly price</source>
        <translation>Prezo mensual orientativo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrición</translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation>Profesores</translation>
    </message>
    <message>
        <source>Add a teacher to the subject</source>
        <translation>Engadir un profesor á materia</translation>
    </message>
    <message>
        <source>Detach the selected teacher</source>
        <translation>Quitar o profesor seleccionado</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apelidos</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Alcume</translation>
    </message>
    <message>
        <source>Shifts</source>
        <translation>Quendas</translation>
    </message>
    <message>
        <source>Add a shift</source>
        <translation>Engadir unha quenda</translation>
    </message>
    <message>
        <source>Delete the selected shift</source>
        <translation>Borrar a quenda seleccionada</translation>
    </message>
    <message>
        <source>Shift price</source>
        <translation>Prezo da quenda</translation>
    </message>
    <message>
        <source>Shift in use</source>
        <translation>Quenda en uso</translation>
    </message>
    <message>
        <source>The shift you are trying to delete has sessions assigned. These sessions will be deleted.</source>
        <translation>A quenda que intenta borrar ten sesións asignadas. Esas sesións borraranse.</translation>
    </message>
    <message>
        <source>Students signed up</source>
        <translation>Alumnos apuntados</translation>
    </message>
    <message>
        <source>There are students signed up in the shift you are deleting. Those students will be withdrawn from the subject.</source>
        <translation>Hai alumnos apuntados na quenda que está a borrar. Eses alumnos daranse de baixa da materia.</translation>
    </message>
    <message>
        <source>Incomplete sessions</source>
        <translation>Sesións incompletas</translation>
    </message>
    <message>
        <source>The teacher you are detaching from this subject has sessions assigned. The teacher will be removed from those sessions, which will have to be manually fixed.</source>
        <translation>O profesor que quita desta materia ten sesións asignadas. Quitarase desas sesións, que haberá que completar á man.</translation>
    </message>
    <message>
        <source>The subject could not be saved</source>
        <translation>Non se puido gardar a materia</translation>
    </message>
    <message>
        <source>Nothing of it has been stored. Check the data (another subject may have the same name) and try again.</source>
        <translation>Non se gardou nada. Revise os datos (pode que outra materia teña o mesmo nome) e ténteo de novo.</translation>
    </message>
    <message>
        <source>Subject without shifts</source>
        <translation>Materia sen quendas</translation>
    </message>
    <message>
        <source>You can&apos;t create a subject without shifts. Please, add a shift at least in order to save the subject.</source>
        <translation>Non se pode crear unha materia sen quendas. Engada polo menos unha quenda para poder gardar a materia.</translation>
    </message>
</context>
<context>
    <name>AsignaturasAlumnoDialog</name>
    <message>
        <source>Subject list</source>
        <translation>Lista de materias</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;p&gt;&lt;b&gt;Student:&lt;/b&gt; %1, %2&lt;/p&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;p&gt;&lt;b&gt;Alumno:&lt;/b&gt; %1, %2&lt;/p&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Current student</source>
        <translation>Alumno actual</translation>
    </message>
    <message>
        <source>Student subjects</source>
        <translation>Materias do alumno</translation>
    </message>
    <message>
        <source>Sign up</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Sign up in subject</source>
        <translation>Alta en materia</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Withdraw from subject</source>
        <translation>Dar de baixa da materia</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete subject</source>
        <translation>Borrar a materia</translation>
    </message>
    <message>
        <source>Close window and save changes</source>
        <translation>Pechar a xanela e gardar os cambios</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Engadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>%1 - %2, signed up on %3</source>
        <translation>%1 - %2, alta o %3</translation>
    </message>
    <message>
        <source>it starts after today</source>
        <translation>comeza despois de hoxe</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>non se puido gardar</translation>
    </message>
    <message>
        <source>These sign-ups could not be withdrawn today:</source>
        <translation>Estas altas non se puideron dar de baixa hoxe:</translation>
    </message>
    <message>
        <source>You are about to completely delete elements from db.</source>
        <translation>Vai borrar elementos da base de datos por completo.</translation>
    </message>
    <message>
        <source> Probably you would prefer to withdraw the student from the subjects.Are you sure you really want to delete these elements?</source>
        <translation> Probablemente prefira dar de baixa ao alumno das materias. Seguro que quere borrar estes elementos?</translation>
    </message>
    <message>
        <source>These sign-ups could not be deleted:</source>
        <translation>Estas altas non se puideron borrar:</translation>
    </message>
</context>
<context>
    <name>AsignaturasAlumnoTableModel</name>
    <message>
        <source>Subject</source>
        <translation>Materia</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Quenda</translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation>Data de alta</translation>
    </message>
    <message>
        <source>Withdraw date</source>
        <translation>Data de baixa</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezo</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observacións</translation>
    </message>
</context>
<context>
    <name>AsignaturasWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Type to filter by subject, shift, description...</source>
        <translation>Escriba para filtrar por materia, quenda, descrición...</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>Baleirar o filtro</translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation>Exportar ou imprimir a listaxe</translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation>Exportar listaxe</translation>
    </message>
    <message>
        <source>Available subjects</source>
        <translation>Materias dispoñibles</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>Create new subject</source>
        <translation>Crear unha materia nova</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected subject</source>
        <translation>Editar a materia seleccionada</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete a shift</source>
        <translation>Borrar unha quenda</translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation>Imprimir listaxe</translation>
    </message>
    <message>
        <source>Print filtered listing</source>
        <translation>Imprimir a listaxe filtrada</translation>
    </message>
    <message>
        <source>Export listing with different formats</source>
        <translation>Exportar a listaxe en distintos formatos</translation>
    </message>
    <message>
        <source>You can only edit one shift at a time</source>
        <translation>Só se pode editar unha quenda cada vez</translation>
    </message>
    <message>
        <source>Select only one shift and try again</source>
        <translation>Seleccione unha soa quenda e ténteo de novo</translation>
    </message>
    <message>
        <source>It has been impossible to delete the shift</source>
        <translation>Non foi posible borrar a quenda</translation>
    </message>
    <message>
        <source>Operation aborted</source>
        <translation>Operación cancelada</translation>
    </message>
    <message>
        <source>Selected shifts will be permanently deleted</source>
        <translation>As quendas seleccionadas borraranse definitivamente</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete %n selected shift(s)?</source>
        <translation>
            <numerusform>Seguro que quere borrar %n quenda seleccionada?</numerusform>
            <numerusform>Seguro que quere borrar as %n quendas seleccionadas?</numerusform>
        </translation>
    </message>
    <message>
        <source>Subject list</source>
        <translation>Lista de materias</translation>
    </message>
    <message>
        <source>subject_list</source>
        <translation>lista_materias</translation>
    </message>
</context>
<context>
    <name>AulaDialog</name>
    <message>
        <source>Edit classroom</source>
        <translation>Editar aula</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Classroom name</source>
        <translation>Nome da aula</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localización</translation>
    </message>
    <message>
        <source>Classroom location within the academy</source>
        <translation>Localización da aula dentro da academia</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Aforo</translation>
    </message>
    <message>
        <source>Maximum number of students in this classroom</source>
        <translation>Número máximo de alumnos nesta aula</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Descrición</translation>
    </message>
    <message>
        <source>Comments about this classroom</source>
        <translation>Descrición desta aula</translation>
    </message>
    <message>
        <source>It has been impossible to store the classroom.</source>
        <translation>Foi imposible gardar a aula.</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Non se cambiou nada.</translation>
    </message>
    <message>
        <source>The classroom is no longer stored.</source>
        <translation>A aula xa non está gardada.</translation>
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
        <translation>Datos da academia</translation>
    </message>
    <message>
        <source>General school data</source>
        <translation>Datos xerais da academia</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Enderezo</translation>
    </message>
    <message>
        <source>Address of the school. It will be shown in generated documents.</source>
        <translation>Enderezo da academia. Amosarase nos documentos xerados.</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Páxina web</translation>
    </message>
    <message>
        <source>Web page of the school. It will be shown in generated documents.</source>
        <translation>Páxina web da academia. Amosarase nos documentos xerados.</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Phone number of the school. It will be shown in generated documents.</source>
        <translation>Teléfono da academia. Amosarase nos documentos xerados.</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Contact e-mail of the school. It will be shown in generated documents.</source>
        <translation>Correo electrónico de contacto da academia. Amosarase nos documentos xerados.</translation>
    </message>
    <message>
        <source>Commercial name</source>
        <translation>Nome comercial</translation>
    </message>
    <message>
        <source>Commercial name of the school. It will be shown in generated documents.</source>
        <translation>Nome comercial da academia. Amosarase nos documentos xerados.</translation>
    </message>
    <message>
        <source>Firm name</source>
        <translation>Razón social</translation>
    </message>
    <message>
        <source>Firm name of the school. It will be shown in generated documents like bills.</source>
        <translation>Razón social da academia. Amosarase en documentos xerados como os recibos.</translation>
    </message>
    <message>
        <source>NIF/CIF</source>
        <translation>NIF/CIF</translation>
    </message>
    <message>
        <source>NIF/CIF of the school. It will be shown in generated documents like bills.</source>
        <translation>NIF/CIF da academia. Amosarase en documentos xerados como os recibos.</translation>
    </message>
    <message>
        <source>Office opening hours</source>
        <translation>Horario da secretaría</translation>
    </message>
    <message>
        <source>Opening hour in the morning</source>
        <translation>Hora de apertura pola mañá</translation>
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
        <translation>Hora de peche pola mañá (ou pola tarde se os dous campos seguintes son iguais)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Opening hour in the afternoon (if this field is equal to the next one, a non break working time is assumed)</source>
        <translation>Hora de apertura pola tarde (se este campo é igual ao seguinte, enténdese que o horario é continuo)</translation>
    </message>
    <message>
        <source> - </source>
        <translation> - </translation>
    </message>
    <message>
        <source>Closing hour in the afternoon (if this field is equal to the previous one, a non break working time is assumed)</source>
        <translation>Hora de peche pola tarde (se este campo é igual ao anterior, enténdese que o horario é continuo)</translation>
    </message>
    <message>
        <source>Opening hours</source>
        <translation>Horario de apertura</translation>
    </message>
    <message>
        <source>Hour from which the school can have classes</source>
        <translation>Hora a partir da cal a academia pode ter clases</translation>
    </message>
    <message>
        <source>Hour until the school can have classes</source>
        <translation>Hora ata a que a academia pode ter clases</translation>
    </message>
    <message>
        <source>To change the logo (It is used in the generated documents and in the background of the application)</source>
        <translation>Para cambiar o logotipo (úsase nos documentos xerados e no fondo da aplicación)</translation>
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
        <translation>Aulas da academia</translation>
    </message>
    <message>
        <source>Classrooms in academy</source>
        <translation>Aulas da academia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Aforo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localización</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrición</translation>
    </message>
    <message>
        <source>To add a new classroom</source>
        <translation>Para engadir unha aula nova</translation>
    </message>
    <message>
        <source>To delete selected classrooms</source>
        <translation>Para borrar as aulas seleccionadas</translation>
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
        <translation>Lugar de expedición que figurará nos recibos</translation>
    </message>
    <message>
        <source>Falling due in (days)</source>
        <translation>Vencemento (días)</translation>
    </message>
    <message>
        <source>Days until falling due from the generated bill day</source>
        <translation>Días ata o vencemento a partir da data en que se xera o recibo</translation>
    </message>
    <message>
        <source>Showing or not the subject shift name in the bills</source>
        <translation>Amosar ou non o nome da quenda da materia nos recibos</translation>
    </message>
    <message>
        <source>Show subject shift</source>
        <translation>Amosar a quenda da materia</translation>
    </message>
    <message>
        <source>Force next bill number</source>
        <translation>Forzar o número do seguinte recibo</translation>
    </message>
    <message>
        <source>Force next bill number. Useful in case there were bill numbers previous the use of this application</source>
        <translation>Forzar o número do seguinte recibo. Útil se había números de recibo anteriores ao uso desta aplicación.</translation>
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
        <translation>Crear unha serie de recibos nova</translation>
    </message>
    <message>
        <source>New series</source>
        <translation>Nova serie</translation>
    </message>
    <message>
        <source>Delete empty series</source>
        <translation>Borrar series baleiras</translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation>Profesores</translation>
    </message>
    <message>
        <source>Teachers configuration</source>
        <translation>Configuración dos profesores</translation>
    </message>
    <message>
        <source>Payment method</source>
        <translation>Forma de pagamento</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Payment method for the teachers:&lt;/p&gt;&lt;p&gt; - Month: Teachers can earn a fixed amount of money each month.&lt;/p&gt;&lt;p&gt; - Hour: Teachers can earn a fixed amount of money for each teaching hour they give.&lt;/p&gt;&lt;p&gt; - Percentage: Teachers can earn a percentage of the money their students pay to the school.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Several payment methods can be used at a time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Forma de pagamento dos profesores:&lt;/p&gt;&lt;p&gt; - Mes: os profesores poden cobrar unha cantidade fixa cada mes.&lt;/p&gt;&lt;p&gt; - Hora: os profesores poden cobrar unha cantidade fixa por cada hora de clase que impartan.&lt;/p&gt;&lt;p&gt; - Porcentaxe: os profesores poden cobrar unha porcentaxe do diñeiro que os seus alumnos pagan á academia.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Pódense usar varias formas de pagamento á vez.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Porcentaxe</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de datos</translation>
    </message>
    <message>
        <source>Database configuration</source>
        <translation>Configuración da base de datos</translation>
    </message>
    <message>
        <source>Choose a new password</source>
        <translation>Escoller un contrasinal novo</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Cambiar contrasinal</translation>
    </message>
    <message>
        <source>Add classroom</source>
        <translation>Engadir aula</translation>
    </message>
    <message>
        <source>Delete classroom</source>
        <translation>Borrar aula</translation>
    </message>
    <message>
        <source>There are some sessions outside opening times.</source>
        <translation>Hai sesións fóra do horario de apertura.</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Contrasinal actual</translation>
    </message>
    <message>
        <source>Input password is not right</source>
        <translation>O contrasinal introducido non é correcto</translation>
    </message>
    <message>
        <source>Input desired password.</source>
        <translation>Introduza o contrasinal desexado.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Novo contrasinal</translation>
    </message>
    <message>
        <source>Retype password.</source>
        <translation>Volva escribir o contrasinal.</translation>
    </message>
    <message>
        <source>Entered passwords don&apos;t match.</source>
        <translation>Os contrasinais introducidos non coinciden.</translation>
    </message>
    <message>
        <source>Input a password again</source>
        <translation>Introduza de novo un contrasinal</translation>
    </message>
    <message>
        <source>The password can&apos;t be empty.</source>
        <translation>O contrasinal non pode estar baleiro.</translation>
    </message>
    <message>
        <source>The password has been changed.</source>
        <translation>Cambiouse o contrasinal.</translation>
    </message>
    <message>
        <source>It has been impossible to change the password.</source>
        <translation>Non foi posible cambiar o contrasinal.</translation>
    </message>
    <message>
        <source>The previous password is still in use.</source>
        <translation>Segue en uso o contrasinal anterior.</translation>
    </message>
    <message>
        <source>Select logo</source>
        <translation>Seleccionar logotipo</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Ficheiros de imaxe (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>New series&apos; name:</source>
        <translation>Nome da nova serie:</translation>
    </message>
    <message>
        <source>Classroom </source>
        <translation>Aula </translation>
    </message>
    <message>
        <source>&lt;li&gt;%1 at %2:%3&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1 ás %2:%3&lt;/li&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;It is not possible to delete a classroom with sessions. &lt;br/&gt;</source>
        <translation>&lt;html&gt;Non se pode borrar unha aula que ten sesións. &lt;br/&gt;</translation>
    </message>
    <message>
        <source>Classroom %1, which you are trying to delete, has the following sessions: &lt;br/&gt;%2&lt;br/&gt; Edit them before deleting the classroom.</source>
        <translation>A aula %1, que tenta borrar, ten as seguintes sesións: &lt;br/&gt;%2&lt;br/&gt; Modifíqueas antes de borrar a aula.</translation>
    </message>
    <message>
        <source>There is a nameless classroom</source>
        <translation>Hai unha aula sen nome</translation>
    </message>
    <message>
        <source>The classroom won&apos;t be saved. Do you want to save other changes or cancel and go back to put it a name?</source>
        <translation>A aula non se gardará. Desexa gardar os demais cambios ou cancelar e volver para poñerlle un nome?</translation>
    </message>
    <message>
        <source>It has been impossible to save the classrooms.</source>
        <translation>Non foi posible gardar as aulas.</translation>
    </message>
    <message>
        <source>No classroom has been changed.</source>
        <translation>Non se modificou ningunha aula.</translation>
    </message>
    <message>
        <source>It has been impossible to save the configuration.</source>
        <translation>Non foi posible gardar a configuración.</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>Non se cambiou nada.</translation>
    </message>
    <message>
        <source>The configuration cannot be stored while other changes are pending.</source>
        <translation>Non se pode gardar a configuración mentres haxa outros cambios pendentes.</translation>
    </message>
    <message>
        <source>Save or revert them first. Nothing has been changed.</source>
        <translation>Gárdeos ou desfágaos antes. Non se cambiou nada.</translation>
    </message>
</context>
<context>
    <name>CrearSesionDeClaseDialog</name>
    <message>
        <source>Create sessions</source>
        <translation>Crear sesións</translation>
    </message>
    <message>
        <source>Classroom</source>
        <translation>Aula</translation>
    </message>
    <message>
        <source>Select classroom for the new session</source>
        <translation>Seleccione a aula para a nova sesión</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Materia</translation>
    </message>
    <message>
        <source>Session subject</source>
        <translation>Materia da sesión</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Quenda</translation>
    </message>
    <message>
        <source>Session shift</source>
        <translation>Quenda da sesión</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>Teacher who will give the lesson</source>
        <translation>Profesor que impartirá a clase</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>luns</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mércores</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>xoves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venres</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>All days will start and finish at the same time</source>
        <translation>Todos os días comezarán e rematarán á mesma hora</translation>
    </message>
    <message>
        <source>Same hour</source>
        <translation>Mesma hora</translation>
    </message>
    <message>
        <source>&lt;b&gt;You must choose a subject. &lt;/b&gt;</source>
        <translation>&lt;b&gt;Debe escoller unha materia. &lt;/b&gt;</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Día da semana</translation>
    </message>
    <message>
        <source>No weekday has been chosen, sessions can&apos;t be created.</source>
        <translation>Non se escolleu ningún día da semana, non se poden crear as sesións.</translation>
    </message>
    <message>
        <source>It has been impossible to store the sessions.
None of them has been created.</source>
        <translation>Foi imposible gardar as sesións.
Non se creou ningunha.</translation>
    </message>
    <message>
        <source>Invalid range</source>
        <translation>Intervalo non válido</translation>
    </message>
    <message>
        <source>%1 end hour is less or equal than begin hour</source>
        <translation>%1: a hora de fin é menor ou igual cá hora de inicio</translation>
    </message>
    <message>
        <source>%1 session duration is too short. Sessions must be at least 10 minutes long.</source>
        <translation>%1: a sesión é demasiado curta. As sesións deben durar polo menos 10 minutos.</translation>
    </message>
</context>
<context>
    <name>CursoDialog</name>
    <message>
        <source>Course</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Course name</source>
        <translation>Nome do curso</translation>
    </message>
    <message>
        <source>Monthly fee (illustrative)</source>
        <translation>Cota mensual (orientativa)</translation>
    </message>
    <message>
        <source>Illustrative fee of the whole course</source>
        <translation>Cota orientativa do curso completo</translation>
    </message>
    <message>
        <source>€</source>
        <translation>€</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrición</translation>
    </message>
    <message>
        <source>Notes about the course</source>
        <translation>Notas sobre o curso</translation>
    </message>
    <message>
        <source>Subjects:</source>
        <translation>Materias:</translation>
    </message>
    <message>
        <source>Subjects available in the course</source>
        <translation>Materias do curso</translation>
    </message>
    <message>
        <source>Remove selected subject</source>
        <translation>Quitar a materia seleccionada</translation>
    </message>
    <message>
        <source>Add subject</source>
        <translation>Engadir materia</translation>
    </message>
    <message>
        <source>Shifts:</source>
        <translation>Quendas:</translation>
    </message>
    <message>
        <source>Shifts available</source>
        <translation>Quendas dispoñibles</translation>
    </message>
    <message>
        <source>Remove selected shift</source>
        <translation>Quitar a quenda seleccionada</translation>
    </message>
    <message>
        <source>Add new shift</source>
        <translation>Engadir unha quenda nova</translation>
    </message>
    <message>
        <source>The course name already exists</source>
        <translation>O nome do curso xa existe</translation>
    </message>
    <message>
        <source>There is already a course with the same name. Please edit the course name.</source>
        <translation>Xa existe un curso co mesmo nome. Cambie o nome do curso.</translation>
    </message>
    <message>
        <source>There is already another course shift with this name</source>
        <translation>Xa existe outra quenda de curso con este nome</translation>
    </message>
    <message>
        <source>Rename the course shift %1 before saving the course.</source>
        <translation>Cambie o nome da quenda de curso %1 antes de gardar o curso.</translation>
    </message>
    <message>
        <source>Every course subject must have a shift selected</source>
        <translation>Cada materia do curso debe ter unha quenda escollida</translation>
    </message>
    <message>
        <source>The course shift %1 has no shift of %2. Double-click it to choose one.</source>
        <translation>A quenda de curso %1 non ten quenda de %2. Faga dobre clic sobre ela para escoller unha.</translation>
    </message>
    <message>
        <source>Course without shifts</source>
        <translation>Curso sen quendas</translation>
    </message>
    <message>
        <source>You can&apos;t create a course without shifts. Please add at least a shift in order to create the course.</source>
        <translation>Non se pode crear un curso sen quendas. Engada polo menos unha quenda para crear o curso.</translation>
    </message>
    <message>
        <source>Course without subjects</source>
        <translation>Curso sen materias</translation>
    </message>
    <message>
        <source>You can&apos;t create a course without subjects. Please add at least a subject in order to create the course.</source>
        <translation>Non se pode crear un curso sen materias. Engada polo menos unha materia para crear o curso.</translation>
    </message>
    <message>
        <source>The course could not be saved</source>
        <translation>Non se puido gardar o curso</translation>
    </message>
    <message>
        <source>The database refused to store it and nothing of it was kept. Check the data and try again, or cancel.</source>
        <translation>A base de datos non o admitiu e non se gardou nada del. Revise os datos e volva tentalo, ou cancele.</translation>
    </message>
</context>
<context>
    <name>CursosWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Type to filter by course, shift, description...</source>
        <translation>Escriba para filtrar por curso, quenda, descrición...</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>Baleirar o filtro</translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation>Exportar ou imprimir a listaxe</translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation>Exportar listaxe</translation>
    </message>
    <message>
        <source>Available courses</source>
        <translation>Cursos dispoñibles</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Create new course</source>
        <translation>Crear un curso novo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit course</source>
        <translation>Editar curso</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete course</source>
        <translation>Borrar curso</translation>
    </message>
    <message>
        <source>Student list</source>
        <translation>Listaxe de alumnos</translation>
    </message>
    <message>
        <source>Get listing by selected course and student</source>
        <translation>Obter a listaxe de alumnos dos cursos seleccionados</translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation>Imprimir listaxe</translation>
    </message>
    <message>
        <source>Print listing that matches filters</source>
        <translation>Imprimir a listaxe que cumpre os filtros</translation>
    </message>
    <message>
        <source>Save listing in different formats</source>
        <translation>Gardar a listaxe en distintos formatos</translation>
    </message>
    <message>
        <source>Only one course shift can be edited at a time</source>
        <translation>Só se pode editar unha quenda de curso de cada vez</translation>
    </message>
    <message>
        <source>Select only one course shift and try again</source>
        <translation>Seleccione unha soa quenda de curso e volva tentalo</translation>
    </message>
    <message>
        <source>Selected course shifts will be permanently deleted.</source>
        <translation>As quendas de curso seleccionadas borraranse definitivamente.</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete %n course shifts(s) selected?</source>
        <translation>
            <numerusform>Seguro que quere borrar a quenda de curso seleccionada?</numerusform>
            <numerusform>Seguro que quere borrar as %n quendas de curso seleccionadas?</numerusform>
        </translation>
    </message>
    <message>
        <source>Internal error deleting course shift.</source>
        <translation>Erro interno ao borrar a quenda de curso.</translation>
    </message>
    <message>
        <source>Course list</source>
        <translation>Lista de cursos</translation>
    </message>
    <message>
        <source>listado_cursos</source>
        <translation>listaxe_cursos</translation>
    </message>
    <message>
        <source>There is no data in selected lists.</source>
        <translation>Non hai datos nas listaxes seleccionadas.</translation>
    </message>
</context>
<context>
    <name>DBManager</name>
    <message>
        <source>Invalid database name.
A name can&apos;t contain &quot;/&quot;, &quot;\&quot;, &quot;..&quot; or &quot;.db_&quot;, nor begin with &quot;.&quot;.</source>
        <translation>Nome de base de datos non válido.
Un nome non pode conter &quot;/&quot;, &quot;\&quot;, &quot;..&quot; nin &quot;.db_&quot;, nin comezar por &quot;.&quot;.</translation>
    </message>
    <message>
        <source>Databases without name can&apos;t be created.</source>
        <translation>Non se poden crear bases de datos sen nome.</translation>
    </message>
    <message>
        <source>There is already a database with the same name. Database can&apos;t be created.</source>
        <translation>Xa existe unha base de datos co mesmo nome. Non se pode crear a base de datos.</translation>
    </message>
    <message>
        <source>Create password - %1</source>
        <translation>Crear contrasinal - %1</translation>
    </message>
    <message>
        <source>The default database has no password.</source>
        <translation>A base de datos predeterminada non ten contrasinal.</translation>
    </message>
    <message>
        <source>Database &quot;%1&quot; has no password.</source>
        <translation>A base de datos &quot;%1&quot; non ten contrasinal.</translation>
    </message>
    <message>
        <source>All databases must have password, so you must enter a password right now for this database:</source>
        <translation>Todas as bases de datos deben ter contrasinal, así que debe introducir agora mesmo un contrasinal para esta base de datos:</translation>
    </message>
    <message>
        <source>You can&apos;t enter an empty password. Try again</source>
        <translation>Non pode introducir un contrasinal baleiro. Ténteo de novo.</translation>
    </message>
    <message>
        <source>Reenter password:</source>
        <translation>Volva introducir o contrasinal:</translation>
    </message>
    <message>
        <source>Passwords don&apos;t match. Try again</source>
        <translation>Os contrasinais non coinciden. Ténteo de novo.</translation>
    </message>
    <message>
        <source>Password for default database</source>
        <translation>Contrasinal da base de datos predeterminada</translation>
    </message>
    <message>
        <source>Password for database &quot;%1&quot;</source>
        <translation>Contrasinal da base de datos &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Introduza o contrasinal</translation>
    </message>
    <message>
        <source>the file does not exist and cannot be created in the folder %1</source>
        <translation>o ficheiro non existe e non se pode crear no cartafol %1</translation>
    </message>
    <message>
        <source>this user is not allowed to read the file</source>
        <translation>este usuario non ten permiso para ler o ficheiro</translation>
    </message>
    <message>
        <source>the disk that holds it can only be read</source>
        <translation>o disco que o contén é só de lectura</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o ficheiro é só de lectura</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>o cartafol %1 é só de lectura</translation>
    </message>
</context>
<context>
    <name>Dao</name>
    <message>
        <source>Unable to update de database. Unable to open file :/scripts/%1.sql</source>
        <translation>Non se pode actualizar a base de datos. Non se pode abrir o ficheiro :/scripts/%1.sql</translation>
    </message>
</context>
<context>
    <name>DateSelectDialog</name>
    <message>
        <source>Select date</source>
        <translation>Escoller data</translation>
    </message>
    <message>
        <source>Select the date when you want to withdraw students from courses</source>
        <translation>Escolla a data na que quere dar de baixa aos alumnos dos cursos</translation>
    </message>
    <message>
        <source>Selected date</source>
        <translation>Data escollida</translation>
    </message>
</context>
<context>
    <name>DocumentosRecibos</name>
    <message>
        <source>Printing bill %1 of %2</source>
        <translation>Imprimindo o recibo %1 de %2</translation>
    </message>
    <message>
        <source>A bill chosen for printing can no longer be read; it may have been deleted meanwhile.</source>
        <translation>Xa non se pode ler un recibo escollido para imprimir; pode que se borrase mentres tanto.</translation>
    </message>
    <message>
        <source>Printing letter %1 of %2</source>
        <translation>Imprimindo a carta %1 de %2</translation>
    </message>
</context>
<context>
    <name>EditSesionDeClaseDialog</name>
    <message>
        <source>Edit class session</source>
        <translation>Editar sesión de clase</translation>
    </message>
    <message>
        <source>Classroom</source>
        <translation>Aula</translation>
    </message>
    <message>
        <source>Session classroom</source>
        <translation>Aula da sesión</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Materia</translation>
    </message>
    <message>
        <source>Session subject</source>
        <translation>Materia da sesión</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Quenda</translation>
    </message>
    <message>
        <source>Session shift</source>
        <translation>Quenda da sesión</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>Session teacher</source>
        <translation>Profesor da sesión</translation>
    </message>
    <message>
        <source>Week day</source>
        <translation>Día da semana</translation>
    </message>
    <message>
        <source>Session week day</source>
        <translation>Día da semana da sesión</translation>
    </message>
    <message>
        <source>Begin hour</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Session begin hour</source>
        <translation>Hora de inicio da sesión</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Session end hour</source>
        <translation>Hora de fin da sesión</translation>
    </message>
    <message>
        <source>It has been impossible to store the session.
It keeps its former data.</source>
        <translation>Foi imposible gardar a sesión.
Conserva os seus datos anteriores.</translation>
    </message>
    <message>
        <source>Invalid range</source>
        <translation>Intervalo non válido</translation>
    </message>
    <message>
        <source>End time is less or equal than begin time</source>
        <translation>A hora de fin é menor ou igual cá hora de inicio</translation>
    </message>
    <message>
        <source>Session duration is too short. Sessions must be at least 10 minutes long.</source>
        <translation>A sesión é demasiado curta. As sesións deben durar polo menos 10 minutos.</translation>
    </message>
    <message>
        <source>It has been impossible to store the session.
It is no longer stored: it has been removed meanwhile.</source>
        <translation>Foi imposible gardar a sesión.
Xa non está gardada: eliminouse mentres tanto.</translation>
    </message>
    <message>
        <source>The session has been changed elsewhere since this window opened.
Close this window and edit the session again.</source>
        <translation>A sesión cambiouse noutro lugar desde que se abriu esta xanela.
Peche esta xanela e volva editar a sesión.</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Errors in academy status</source>
        <translation>Erros no estado da academia</translation>
    </message>
    <message>
        <source>Omit ignored warnings</source>
        <translation>Omitir os avisos ignorados</translation>
    </message>
    <message>
        <source>Omit ignored</source>
        <translation>Omitir ignorados</translation>
    </message>
    <message>
        <source>Reload status</source>
        <translation>Volver cargar o estado</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Save as is and ignore shown errors</source>
        <translation>Gardar tal como está e ignorar os erros amosados</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Gardar de todos os xeitos</translation>
    </message>
    <message>
        <source>Revert to a previous state</source>
        <translation>Volver a un estado anterior</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Reverter</translation>
    </message>
    <message>
        <source>Close window and try to fix by hand</source>
        <translation>Pechar a xanela e tentar corrixilo á man</translation>
    </message>
    <message>
        <source>Fix manually</source>
        <translation>Corrixir á man</translation>
    </message>
    <message>
        <source>Problems in the academy</source>
        <translation>Problemas da academia</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>HorarioAlumnosWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the student&lt;/b&gt;</source>
        <translation>&lt;b&gt;Horario do alumno&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Day/hour</source>
        <translation>Día/hora</translation>
    </message>
    <message>
        <source>&lt;b&gt;NO TEACHER ASSIGNED&lt;/b&gt;&lt;br/&gt;</source>
        <translation>&lt;b&gt;SEN PROFESOR ASIGNADO&lt;/b&gt;&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation>&lt;b&gt;Materia:&lt;/b&gt; %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation>&lt;b&gt;Quenda: &lt;/b&gt; %3&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4 &lt;br/&gt;</source>
        <translation>&lt;b&gt;Número de alumnos:&lt;/b&gt; %4 &lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classroom:&lt;/b&gt; %5</source>
        <translation>&lt;b&gt;Aula:&lt;/b&gt; %5</translation>
    </message>
    <message>
        <source>Timetable for student %1</source>
        <translation>Horario do alumno %1</translation>
    </message>
</context>
<context>
    <name>HorarioAulasWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the classroom&lt;/b&gt;</source>
        <translation>&lt;b&gt;Horario da aula&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Day/hour</source>
        <translation>Día/hora</translation>
    </message>
    <message>
        <source>&lt;b&gt;NO TEACHER ASSIGNED&lt;/b&gt;&lt;br/&gt;</source>
        <translation>&lt;b&gt;SEN PROFESOR ASIGNADO&lt;/b&gt;&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation>&lt;b&gt;Materia:&lt;/b&gt; %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation>&lt;b&gt;Quenda: &lt;/b&gt; %3&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4 &lt;br/&gt;</source>
        <translation>&lt;b&gt;Número de alumnos:&lt;/b&gt; %4 &lt;br/&gt;</translation>
    </message>
    <message>
        <source>Timetable for %1</source>
        <translation>Horario de %1</translation>
    </message>
</context>
<context>
    <name>HorarioDiasWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the day&lt;/b&gt;</source>
        <translation>&lt;b&gt;Horario do día&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Classroom/hour</source>
        <translation>Aula/hora</translation>
    </message>
    <message>
        <source>Timetable for %1</source>
        <translation>Horario de %1</translation>
    </message>
    <message>
        <source>Please, add a classroom in order to add sessions</source>
        <translation>Por favor, engada unha aula para poder engadir sesións</translation>
    </message>
    <message>
        <source>&lt;b&gt;NO TEACHER ASSIGNED&lt;/b&gt;&lt;br/&gt;</source>
        <translation>&lt;b&gt;SEN PROFESOR ASIGNADO&lt;/b&gt;&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Teacher:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation>&lt;b&gt;Profesor:&lt;/b&gt; %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation>&lt;b&gt;Materia:&lt;/b&gt; %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation>&lt;b&gt;Quenda: &lt;/b&gt; %3&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4</source>
        <translation>&lt;b&gt;Número de alumnos:&lt;/b&gt; %4</translation>
    </message>
    <message>
        <source>&lt;html&gt;It is not possible to delete a classroom with classes. &lt;br/&gt;</source>
        <translation>&lt;html&gt;Non é posible borrar unha aula con clases. &lt;br/&gt;</translation>
    </message>
    <message>
        <source>The room you are trying to delete has the following sessions assigned: &lt;br/&gt;%1&lt;br/&gt; Edit them before deleting the classroom.</source>
        <translation>A aula que intenta borrar ten asignadas as seguintes sesións: &lt;br/&gt;%1&lt;br/&gt; Edíteas antes de borrar a aula.</translation>
    </message>
    <message>
        <source>It has been impossible to remove the classroom.
It is still stored.</source>
        <translation>Foi imposible borrar a aula.
Segue gardada.</translation>
    </message>
    <message>
        <source>&lt;li&gt;%1 at %2:%3&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1 ás %2:%3&lt;/li&gt;</translation>
    </message>
</context>
<context>
    <name>HorarioProfesoresWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the teacher&lt;/b&gt;</source>
        <translation>&lt;b&gt;Horario do profesor&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Day/hour</source>
        <translation>Día/hora</translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation>&lt;b&gt;Materia:&lt;/b&gt; %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation>&lt;b&gt;Quenda: &lt;/b&gt; %3&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4 &lt;br/&gt;</source>
        <translation>&lt;b&gt;Número de alumnos:&lt;/b&gt; %4 &lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classroom:&lt;/b&gt; %5</source>
        <translation>&lt;b&gt;Aula:&lt;/b&gt; %5</translation>
    </message>
    <message>
        <source>Timetable for teacher %1</source>
        <translation>Horario do profesor %1</translation>
    </message>
</context>
<context>
    <name>HorariosWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>There are classes outside shown range</source>
        <translation>Hai clases fóra do intervalo amosado</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600; color:#ff0000;&quot;&gt;Not all classes are being shown&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600; color:#ff0000;&quot;&gt;Non se están amosando todas as clases&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Ignore opening hours and show whole day</source>
        <translation>Ignorar o horario de apertura e amosar o día enteiro</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Amosar todo</translation>
    </message>
    <message>
        <source>Print timetable</source>
        <translation>Imprimir horario</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Add session</source>
        <translation>Engadir sesión</translation>
    </message>
    <message>
        <source>Edit session</source>
        <translation>Editar sesión</translation>
    </message>
    <message>
        <source>Remove session</source>
        <translation>Borrar sesión</translation>
    </message>
    <message>
        <source>Add classroom</source>
        <translation>Engadir aula</translation>
    </message>
    <message>
        <source>Edit classroom</source>
        <translation>Editar aula</translation>
    </message>
    <message>
        <source>Remove classroom</source>
        <translation>Borrar aula</translation>
    </message>
    <message>
        <source>There are classrooms outside hour range</source>
        <translation>Hai aulas fóra do horario</translation>
    </message>
    <message>
        <source>Not all classes will be shown</source>
        <translation>Non se amosarán todas as clases</translation>
    </message>
    <message>
        <source>There are no classrooms available.</source>
        <translation>Non hai aulas dispoñibles.</translation>
    </message>
    <message>
        <source>Please create a classroom before trying to add a session</source>
        <translation>Por favor, cree unha aula antes de tentar engadir unha sesión</translation>
    </message>
    <message>
        <source>It has been impossible to remove the session.
It is still stored.</source>
        <translation>Foi imposible borrar a sesión.
Segue gardada.</translation>
    </message>
</context>
<context>
    <name>HorariosWindowWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Teacher schedules</source>
        <translation>Horarios de profesores</translation>
    </message>
    <message>
        <source>Classroom schedules</source>
        <translation>Horarios de aulas</translation>
    </message>
    <message>
        <source>Student schedules</source>
        <translation>Horarios de alumnos</translation>
    </message>
    <message>
        <source>Day schedules</source>
        <translation>Horarios por días</translation>
    </message>
    <message>
        <source>Some class session windows hold changes that have not been stored.</source>
        <translation>Algunhas xanelas de sesións de clase teñen cambios que non se gardaron.</translation>
    </message>
    <message>
        <source>Save stores them with the other changes of this visit; Discard closes those windows without them; Cancel goes back to them.</source>
        <translation>Gardar gárdaos cos demais cambios desta visita; Descartar pecha esas xanelas sen eles; Cancelar volve a elas.</translation>
    </message>
</context>
<context>
    <name>ListadoResEcon</name>
    <message>
        <source>DATE</source>
        <translation>DATA</translation>
    </message>
    <message>
        <source>CASHED/BANK</source>
        <translation>COBRADO/BANCO</translation>
    </message>
    <message>
        <source>CASHED/CASH</source>
        <translation>COBRADO/CAIXA</translation>
    </message>
    <message>
        <source>PAID/CASH</source>
        <translation>PAGADO/CAIXA</translation>
    </message>
    <message>
        <source>PENDING</source>
        <translation>PENDENTE</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>TOTAIS</translation>
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
        <source>&amp;Help</source>
        <translation>&amp;Axuda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Seccións</translation>
    </message>
    <message>
        <source>Section tools</source>
        <translation>Ferramentas da sección</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Students main page</source>
        <translation>Páxina principal de alumnos</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Materias</translation>
    </message>
    <message>
        <source>Courses</source>
        <translation>Cursos</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Saír</translation>
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
        <source>Pensario &amp;manual</source>
        <translation>&amp;Manual de Pensario</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;What&apos;s this?</source>
        <translation>&amp;Que é isto?</translation>
    </message>
    <message>
        <source>&amp;Errors</source>
        <translation>&amp;Erros</translation>
    </message>
    <message>
        <source>First run</source>
        <translation>Primeira execución</translation>
    </message>
    <message>
        <source>&lt;b&gt;First run&lt;/b&gt;&lt;br/&gt;A configuration window will be shown where you&apos;ll be able to personalize the appearance of this application.
This will only happen the first time you run the application.
In order to show the configuration window again you can go to &lt;nobr&gt;File-&gt;Configuration&lt;/nobr&gt;</source>
        <translation>&lt;b&gt;Primeira execución&lt;/b&gt;&lt;br/&gt;Amosarase unha xanela de configuración na que poderá personalizar o aspecto desta aplicación.
Isto só ocorrerá a primeira vez que execute a aplicación.
Para amosar de novo a xanela de configuración pode ir a &lt;nobr&gt;Ficheiro-&gt;Configuración&lt;/nobr&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;p&gt;&lt;b&gt;Pensario&lt;/b&gt; is a management application for small academies developed with simplicity and agility in mind.&lt;/p&gt;&lt;p&gt;This application uses several icons from the &lt;b&gt;&lt;a href=&quot;about:copyright-oxygen&quot;&gt;oxygen iconset&lt;/a&gt;&lt;/b&gt;, under the terms of the &lt;a href=&quot;about:license-lgplv3&quot;&gt;LGPLv3 license&lt;/a&gt; (which extends the &lt;a href=&quot;about:license-gplv3&quot;&gt; GPLv3 license&lt;/a&gt;). You are therefore free to use a modified version of the icons with this application. To do so read the instructions &lt;a href=&quot;about:use-modified-icons&quot;&gt;here&lt;/a&gt;. You can get the source of the iconset &lt;a href=&quot;https://download.kde.org/stable/frameworks/5.103/oxygen-icons5-5.103.0.tar.xz&quot;&gt;here&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;This application uses the &lt;b&gt;&lt;a href=&quot;about:qt&quot;&gt;Qt Toolkit&lt;/a&gt;&lt;/b&gt; under the terms of the &lt;a href=&quot;about:license-lgplv21&quot;&gt;LGPLv2.1&lt;/a&gt; license with a &lt;a href=&quot;about:license-qt-lgpl-exception&quot;&gt;LGPL exception &lt;/a&gt;. You are therefore free to use a modified version of the Qt libraries with this application. To facilitate this the Qt libraries are dynamically linked. You can get the Qt source code from &lt;a href=&quot;https://download.qt.io/archive/qt/6.4/&quot;&gt;here&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;&lt;h1&gt;Versión %1&lt;/h1&gt;&lt;/p&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;p&gt;&lt;b&gt;Pensario&lt;/b&gt; é unha aplicación de xestión para pequenas academias desenvolvida pensando na sinxeleza e na axilidade.&lt;/p&gt;&lt;p&gt;Esta aplicación usa varias iconas do &lt;b&gt;&lt;a href=&quot;about:copyright-oxygen&quot;&gt;conxunto de iconas oxygen&lt;/a&gt;&lt;/b&gt;, baixo os termos da &lt;a href=&quot;about:license-lgplv3&quot;&gt;licenza LGPLv3&lt;/a&gt; (que estende a &lt;a href=&quot;about:license-gplv3&quot;&gt; licenza GPLv3&lt;/a&gt;). Polo tanto pode usar libremente unha versión modificada das iconas con esta aplicación. Para facelo lea as instrucións &lt;a href=&quot;about:use-modified-icons&quot;&gt;aquí&lt;/a&gt;. Pode obter as fontes do conxunto de iconas &lt;a href=&quot;https://download.kde.org/stable/frameworks/5.103/oxygen-icons5-5.103.0.tar.xz&quot;&gt;aquí&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Esta aplicación usa o &lt;b&gt;&lt;a href=&quot;about:qt&quot;&gt;Qt Toolkit&lt;/a&gt;&lt;/b&gt; baixo os termos da licenza &lt;a href=&quot;about:license-lgplv21&quot;&gt;LGPLv2.1&lt;/a&gt; cunha &lt;a href=&quot;about:license-qt-lgpl-exception&quot;&gt;excepción LGPL &lt;/a&gt;. Polo tanto pode usar libremente unha versión modificada das bibliotecas Qt con esta aplicación. Para facilitalo, as bibliotecas Qt enlázanse dinamicamente. Pode obter o código fonte de Qt &lt;a href=&quot;https://download.qt.io/archive/qt/6.4/&quot;&gt;aquí&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;&lt;h1&gt;Versión %1&lt;/h1&gt;&lt;/p&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>About Velbrook</source>
        <translation>Acerca de Velbrook</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;img src=&quot;:/icons/logovelbrook.png&quot; width=&quot;180&quot; height=&quot;60&quot; style=&quot;float:left&quot;/&gt;&lt;h2&gt;Velbrook&lt;/h2&gt;&lt;p&gt;Velbrook is an imaginary software workshop that stands for the makers of this program. It builds small, plain tools for the day-to-day work of teaching academies and other small offices.&lt;/p&gt;&lt;p&gt;Questions and suggestions: &lt;a href=&quot;mailto:info@velbrook.example&quot;&gt;info@velbrook.example&lt;/a&gt;&lt;br/&gt;Web: &lt;a href=&quot;https://velbrook.example&quot;&gt;velbrook.example&lt;/a&gt;&lt;/p&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;img src=&quot;:/icons/logovelbrook.png&quot; width=&quot;180&quot; height=&quot;60&quot; style=&quot;float:left&quot;/&gt;&lt;h2&gt;Velbrook&lt;/h2&gt;&lt;p&gt;Velbrook é un obradoiro de software imaxinario que representa os autores deste programa. Fai ferramentas pequenas e sinxelas para o traballo diario de academias e outras oficinas pequenas.&lt;/p&gt;&lt;p&gt;Preguntas e suxestións: &lt;a href=&quot;mailto:info@velbrook.example&quot;&gt;info@velbrook.example&lt;/a&gt;&lt;br/&gt;Web: &lt;a href=&quot;https://velbrook.example&quot;&gt;velbrook.example&lt;/a&gt;&lt;/p&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>PageSession</name>
    <message>
        <source>The changes cannot be started.
Another change is still pending, or the database refuses to start one.</source>
        <translation>Os cambios non se poden comezar.
Hai outro cambio pendente, ou a base de datos négase a comezar un.</translation>
    </message>
    <message>
        <source>The changes could not be saved.
They are still pending: try again, or revert them.</source>
        <translation>Non se puideron gardar os cambios.
Seguen pendentes: ténteo de novo ou revértaos.</translation>
    </message>
    <message>
        <source>The changes could not be saved.
The database took them back.</source>
        <translation>Non se puideron gardar os cambios.
A base de datos desfíxoos.</translation>
    </message>
</context>
<context>
    <name>PrintUtils</name>
    <message>
        <source>Print preview</source>
        <translation>Vista previa da impresión</translation>
    </message>
    <message numerus="yes">
        <source>The preview will have %n page(s).</source>
        <translation>
            <numerusform>A vista previa terá %n páxina.</numerusform>
            <numerusform>A vista previa terá %n páxinas.</numerusform>
        </translation>
    </message>
    <message>
        <source>A preview holds every page in memory, which can take more than this computer has. Do you want to print directly to a printer or a PDF file instead?</source>
        <translation>Unha vista previa garda todas as páxinas en memoria, e pode precisar máis da que ten este ordenador. Quere imprimir directamente nunha impresora ou nun ficheiro PDF?</translation>
    </message>
    <message>
        <source>Print directly</source>
        <translation>Imprimir directamente</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>Preparando as páxinas...</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Páxina %1 de %2</translation>
    </message>
    <message>
        <source>The print could not be completed.</source>
        <translation>Non se puido completar a impresión.</translation>
    </message>
    <message>
        <source>The file %1 could not be written whole; an earlier file of that name is left as it was.</source>
        <translation>Non se puido escribir o ficheiro %1 completo; o ficheiro anterior con ese nome queda como estaba.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
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
        <translation>Materia</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Student listing for teacher: %1 </source>
        <translation>Listaxe de alumnos do profesor: %1 </translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>Generated income</source>
        <translation>Ingresos xerados</translation>
    </message>
    <message>
        <source>Withholdings</source>
        <translation>Retencións</translation>
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
        <translation>TOTAIS</translation>
    </message>
    <message>
        <source>Economic summary</source>
        <translation>Resumo económico</translation>
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
        <translation>€ para o profesor</translation>
    </message>
    <message>
        <source>Fixed salary</source>
        <translation>Soldo fixo</translation>
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
        <translation>Soldo fixo por hora</translation>
    </message>
    <message>
        <source>Amount raised</source>
        <translation>Importe recadado</translation>
    </message>
    <message>
        <source>% for teacher</source>
        <translation>% para o profesor</translation>
    </message>
    <message>
        <source>Of salary by percentage</source>
        <translation>Soldo por porcentaxe</translation>
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
    <message>
        <source>Settlement of %1: %2</source>
        <translation>Liquidación de %1: %2</translation>
    </message>
</context>
<context>
    <name>ProfesorDialog</name>
    <message>
        <source>Teacher data</source>
        <translation>Datos do profesor</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Teacher name. (Mandatory)</source>
        <translation>Nome do profesor. (Obrigatorio)</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apelidos</translation>
    </message>
    <message>
        <source>Teacher surname. (Mandatory)</source>
        <translation>Apelidos do profesor. (Obrigatorio)</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Alcume</translation>
    </message>
    <message>
        <source>Teacher nickname. Default is teacher name</source>
        <translation>Alcume do profesor. Se se deixa baleiro, o nome.</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>Teacher identity card number</source>
        <translation>Número do DNI do profesor</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Enderezo</translation>
    </message>
    <message>
        <source>Teacher address</source>
        <translation>Enderezo do profesor</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidade</translation>
    </message>
    <message>
        <source>Teacher city</source>
        <translation>Localidade do profesor</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Teacher province</source>
        <translation>Provincia do profesor</translation>
    </message>
    <message>
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Teacher postal code</source>
        <translation>Código postal do profesor</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Teacher e-mail</source>
        <translation>Correo electrónico do profesor</translation>
    </message>
    <message>
        <source>Fixed month salary</source>
        <translation>Soldo fixo ao mes</translation>
    </message>
    <message>
        <source>Salary teacher will perceive every month</source>
        <translation>Soldo que cobrará o profesor cada mes</translation>
    </message>
    <message>
        <source>Salary in %</source>
        <translation>Soldo en %</translation>
    </message>
    <message>
        <source>Percentage of salary teacher will perceive according to earnings</source>
        <translation>Porcentaxe do que pagan os seus alumnos que cobrará o profesor</translation>
    </message>
    <message>
        <source>Fixed hour salary</source>
        <translation>Soldo fixo por hora</translation>
    </message>
    <message>
        <source>Salary teacher will perceive for every hour of work</source>
        <translation>Soldo que cobrará o profesor por cada hora de clase</translation>
    </message>
    <message>
        <source>Withholdings</source>
        <translation>Retencións</translation>
    </message>
    <message>
        <source>Amount of money withheld</source>
        <translation>Cantidade que se retén</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Teacher bank</source>
        <translation>Banco do profesor</translation>
    </message>
    <message>
        <source>Bank address</source>
        <translation>Enderezo do banco</translation>
    </message>
    <message>
        <source>Teacher bank address</source>
        <translation>Enderezo do banco do profesor</translation>
    </message>
    <message>
        <source>CCC</source>
        <translation>CCC</translation>
    </message>
    <message>
        <source>Teacher bank account</source>
        <translation>Conta bancaria do profesor</translation>
    </message>
    <message>
        <source>Register date</source>
        <translation>Data de alta</translation>
    </message>
    <message>
        <source>Withdrawal date</source>
        <translation>Data de baixa</translation>
    </message>
    <message>
        <source>Check for indefinite period</source>
        <translation>Marque se non ten data de baixa</translation>
    </message>
    <message>
        <source>No withdrawal</source>
        <translation>Sen baixa</translation>
    </message>
    <message>
        <source>Teacher phone numbers</source>
        <translation>Teléfonos do profesor</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Add a new phone number</source>
        <translation>Engadir un teléfono</translation>
    </message>
    <message>
        <source>Delete selected phone number</source>
        <translation>Borrar o teléfono seleccionado</translation>
    </message>
    <message>
        <source>Saving will set pay rates to 0</source>
        <translation>Ao gardar, algúns pagamentos pasarán a 0</translation>
    </message>
    <message>
        <source>The academy&apos;s billing options no longer offer these pay kinds, but this teacher has them stored:
%1
Do you want to save the teacher with them set to 0?</source>
        <translation>As opcións de cobro da academia xa non ofrecen estas formas de pagamento, pero este profesor tenas gardadas:
%1
Quere gardar o profesor con elas a 0?</translation>
    </message>
    <message>
        <source>The teacher could not be saved</source>
        <translation>Non se puido gardar o profesor</translation>
    </message>
    <message>
        <source>Nothing has been stored. Check the data and try again.</source>
        <translation>Non se gardou nada. Revise os datos e ténteo de novo.</translation>
    </message>
</context>
<context>
    <name>ProfesorTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apelidos</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Alcume</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidade</translation>
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
        <translation>% de soldo</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Desconto</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation>Data de alta</translation>
    </message>
    <message>
        <source>Withdraw date</source>
        <translation>Data de baixa</translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation>Teléfonos</translation>
    </message>
</context>
<context>
    <name>ProfesoresWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>Baleirar o filtro</translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation>Exportar ou imprimir a listaxe</translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation>Exportar listaxe</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Add new teacher</source>
        <translation>Engadir un profesor novo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected teacher</source>
        <translation>Editar o profesor seleccionado</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete selected teacher</source>
        <translation>Borrar o profesor seleccionado</translation>
    </message>
    <message>
        <source>Liquidation</source>
        <translation>Liquidación</translation>
    </message>
    <message>
        <source>Selected teacher liquidation</source>
        <translation>Liquidación do profesor seleccionado</translation>
    </message>
    <message>
        <source>Student list</source>
        <translation>Listaxe de alumnos</translation>
    </message>
    <message>
        <source>Get student list for this teacher</source>
        <translation>Listaxe de alumnos deste profesor</translation>
    </message>
    <message>
        <source>Show timetable</source>
        <translation>Ver horario</translation>
    </message>
    <message>
        <source>Shows timetable</source>
        <translation>Mostra o horario</translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation>Imprimir listaxe</translation>
    </message>
    <message>
        <source>Print listing that matches filters</source>
        <translation>Imprimir a listaxe que cumpre os filtros</translation>
    </message>
    <message>
        <source>Prints listing with different formats</source>
        <translation>Exportar a listaxe en distintos formatos</translation>
    </message>
    <message>
        <source>You must choose just one teacher in order to edit.</source>
        <translation>Hai que escoller un só profesor para editalo.</translation>
    </message>
    <message>
        <source>Select only one teacher and try again</source>
        <translation>Seleccione un só profesor e ténteo de novo</translation>
    </message>
    <message>
        <source>Error deleting teacher</source>
        <translation>Erro ao borrar o profesor</translation>
    </message>
    <message>
        <source>Internal error deleting teacher with id %1.</source>
        <translation>Erro interno ao borrar o profesor con id %1.</translation>
    </message>
    <message>
        <source>%1 has not been deleted; the other selected teachers are.</source>
        <translation>%1 non se borrou; os demais profesores seleccionados, si.</translation>
    </message>
    <message>
        <source>Selected teachers will be permanently deleted</source>
        <translation>Os profesores seleccionados borraranse definitivamente</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected teacher(s)?</source>
        <translation>
            <numerusform>Seguro que quere borrar o profesor seleccionado?</numerusform>
            <numerusform>Seguro que quere borrar os %n profesores seleccionados?</numerusform>
        </translation>
    </message>
    <message>
        <source>Teacher listing</source>
        <translation>Lista de profesores</translation>
    </message>
    <message>
        <source>teacher_listing</source>
        <translation>lista_profesores</translation>
    </message>
    <message>
        <source>The settlement is incomplete</source>
        <translation>A liquidación está incompleta</translation>
    </message>
    <message>
        <source>The income of some shifts could not be read, so the percentage part counts them as 0. Do not pay it out as shown.</source>
        <translation>Non se puideron ler os ingresos dalgunhas quendas, así que a parte da porcentaxe cóntaos como 0. Non a pague tal como se mostra.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The capacity of classroom %1 is surpassed by %2 students on %3 at %4:%5</source>
        <translation>O aforo da aula %1 supérase en %2 alumnos o %3 ás %4:%5</translation>
    </message>
    <message>
        <source>Student %1 is signed up in two shifts of subject %2</source>
        <translation>O alumno %1 está dado de alta en dúas quendas da materia %2</translation>
    </message>
    <message>
        <source>Session shouldn&apos;t begin %3 at %1:%2, because the configured opening hours are from %4 to %5</source>
        <translation>A sesión non debería comezar o %3 ás %1:%2, porque o horario de apertura configurado é de %4 a %5</translation>
    </message>
    <message>
        <source>In classroom %1 there is no professor %2s at %3:%4</source>
        <translation>Na aula %1 non hai profesor o %2 ás %3:%4</translation>
    </message>
    <message>
        <source>Subject %1 of course %2 has no shifts assigned</source>
        <translation>A materia %1 do curso %2 non ten quendas asignadas</translation>
    </message>
    <message>
        <source>The shift %2 of subject %1 has no sessions assigned</source>
        <translation>A quenda %2 da materia %1 non ten sesións asignadas</translation>
    </message>
    <message>
        <source>What to do?</source>
        <translation>Que desexa facer?</translation>
    </message>
    <message>
        <source>Looks like selected database is being used by another application instance.
</source>
        <translation>Parece que a base de datos seleccionada está a usala outra instancia da aplicación.
</translation>
    </message>
    <message>
        <source>If you are sure no other instance is using the database click Force (In case another instance were using the database this could corrupt it).
If you prefer using another database for this instance click Change database.
If you prefer to stop execution click Stop execution.</source>
        <translation>Se está seguro de que ningunha outra instancia está a usar a base de datos prema Forzar base de datos (se outra instancia estivese a usar a base de datos, isto podería corrompela).
Se prefire usar outra base de datos para esta instancia prema Cambiar base de datos.
Se prefire deter a execución prema Deter a execución.</translation>
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
        <translation>Deter a execución</translation>
    </message>
    <message>
        <source>Entered password is not correct.</source>
        <translation>O contrasinal introducido non é correcto.</translation>
    </message>
    <message>
        <source>Looks like selected database is corrupted.

But not everything is lost!!.
This smart application makes a database backup each time it starts so now you can select another database or restore last automatic backup of this database.</source>
        <translation>Parece que a base de datos seleccionada está danada.

Pero non todo está perdido!
Esta aplicación fai unha copia de seguranza da base de datos cada vez que se inicia, así que agora pode seleccionar outra base de datos ou restaurar a última copia automática desta base de datos.</translation>
    </message>
    <message>
        <source>Restore last backup</source>
        <translation>Restaurar a última copia</translation>
    </message>
    <message>
        <source>Change database (or create new one)</source>
        <translation>Cambiar base de datos (ou crear unha nova)</translation>
    </message>
    <message>
        <source>Unable to restore last backup you have to select another database or create a new one.
</source>
        <translation>Non foi posible restaurar a última copia de seguranza; ten que seleccionar outra base de datos ou crear unha nova.
</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be opened: %2.

Nothing was changed and no backup was restored.</source>
        <translation>A base de datos &quot;%1&quot; non se pode abrir: %2.

Non se cambiou nada nin se restaurou ningunha copia de seguranza.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be changed: %2.

Nothing you do could be saved in it. Choose another database, or make it writable and start the program again.</source>
        <translation>A base de datos &quot;%1&quot; non se pode modificar: %2.

Nada do que faga se podería gardar nela. Escolla outra base de datos, ou permita escribir nela e volva iniciar o programa.</translation>
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
        <translation>Desconto</translation>
    </message>
</context>
<context>
    <name>ReciboDialog</name>
    <message>
        <source>Bill</source>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Bill number</source>
        <translation>Número de recibo</translation>
    </message>
    <message>
        <source>Edit number</source>
        <translation>Editar número</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Bill expedition date</source>
        <translation>Data de expedición do recibo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Bill amount</source>
        <translation>Importe do recibo</translation>
    </message>
    <message>
        <source>€</source>
        <translation>€</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Desconto</translation>
    </message>
    <message>
        <source>Bill discount</source>
        <translation>Desconto do recibo</translation>
    </message>
    <message>
        <source>To pay in:</source>
        <translation>Pagadoiro en:</translation>
    </message>
    <message>
        <source>Account where to pay the money</source>
        <translation>Conta na que pagar o importe</translation>
    </message>
    <message>
        <source>Paid amount</source>
        <translation>Importe pagado</translation>
    </message>
    <message>
        <source>Amount paid</source>
        <translation>Importe pagado</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <source>Check if bill has been paid</source>
        <translation>Marque se o recibo está pagado</translation>
    </message>
    <message>
        <source>Concept</source>
        <translation>Concepto</translation>
    </message>
    <message>
        <source>Payer name and address</source>
        <translation>Nome e enderezo do pagador</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Check if you want to edit the bill</source>
        <translation>Marque se quere editar o recibo</translation>
    </message>
    <message>
        <source>Edition allowed</source>
        <translation>Permitir edición</translation>
    </message>
    <message>
        <source>Incorrect amount paid</source>
        <translation>Importe pagado incorrecto</translation>
    </message>
    <message>
        <source>The paid amount can&apos;t exceed the total bill amount</source>
        <translation>O importe pagado non pode superar o importe total do recibo</translation>
    </message>
    <message>
        <source>It has been impossible to make bill update. Check no bills with the same bill number exist</source>
        <translation>Non foi posible actualizar o recibo. Comprobe que non existen recibos co mesmo número.</translation>
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
        <translation>Data</translation>
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
        <translation>Desconto</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apelidos</translation>
    </message>
</context>
<context>
    <name>RecibosWidget</name>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Date from</source>
        <translation>Data desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>ata</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Amosar:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Only paid</source>
        <translation>Só pagados</translation>
    </message>
    <message>
        <source>Only not paid</source>
        <translation>Só non pagados</translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation>Exportar listaxe</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Print selected bill&lt;span style=&quot; font-weight:600;&quot;&gt; or current month&apos;s if there is none selected&lt;/span&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Imprimir o recibo seleccionado&lt;span style=&quot; font-weight:600;&quot;&gt; ou os do mes actual se non hai ningún seleccionado&lt;/span&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Print bills</source>
        <translation>Imprimir recibos</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Xerar</translation>
    </message>
    <message>
        <source>Generate bills for current month</source>
        <translation>Xerar os recibos do mes actual</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected bill</source>
        <translation>Editar o recibo seleccionado</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete selected bill</source>
        <translation>Borrar o recibo seleccionado</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>Rexenerar</translation>
    </message>
    <message>
        <source>Regenerate selected bills</source>
        <translation>Rexenerar os recibos seleccionados</translation>
    </message>
    <message>
        <source>Economic summary</source>
        <translation>Resumo económico</translation>
    </message>
    <message>
        <source>Get economic summary</source>
        <translation>Obter o resumo económico</translation>
    </message>
    <message>
        <source>Generate unpaid list</source>
        <translation>Xerar escrito de impagos</translation>
    </message>
    <message>
        <source>Generate unpaid bills document</source>
        <translation>Xerar o escrito de recibos impagados</translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation>Imprimir listaxe</translation>
    </message>
    <message>
        <source>Print bill listing that matches current filters</source>
        <translation>Imprimir a listaxe de recibos que cumpren os filtros actuais</translation>
    </message>
    <message>
        <source>Export listing in different formats</source>
        <translation>Exportar a listaxe en distintos formatos</translation>
    </message>
    <message>
        <source>There are bills already generated for this month.</source>
        <translation>Xa hai recibos xerados para este mes.</translation>
    </message>
    <message>
        <source>As well as creating nonexistent bills , Do you want to overwrite selected ones?</source>
        <translation>Ademais de crear os recibos que non existen, quere sobrescribir os seleccionados?</translation>
    </message>
    <message>
        <source>Only bills with no manual changes</source>
        <translation>Só os recibos sen cambios manuais</translation>
    </message>
    <message>
        <source>All bills</source>
        <translation>Todos os recibos</translation>
    </message>
    <message>
        <source>Don&apos;t overwrite. Just generate new ones</source>
        <translation>Non sobrescribir. Só xerar os novos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Generating the bills of the month...</source>
        <translation>Xerando os recibos do mes...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>The bills could not be generated; nothing was changed.</source>
        <translation>Non se puideron xerar os recibos; non se cambiou nada.</translation>
    </message>
    <message>
        <source>%1 bills created.
%2 bills modified.
%3 bills unchanged.</source>
        <translation>%1 recibos creados.
%2 recibos modificados.
%3 recibos sen cambios.</translation>
    </message>
    <message>
        <source>Do you want to go on?</source>
        <translation>Quere continuar?</translation>
    </message>
    <message>
        <source>Regenerating the selected bills...</source>
        <translation>Rexenerando os recibos seleccionados...</translation>
    </message>
    <message>
        <source>The bills could not be regenerated; nothing was changed.</source>
        <translation>Non se puideron rexenerar os recibos; non se cambiou nada.</translation>
    </message>
    <message>
        <source>%1 bills regenerated.</source>
        <translation>%1 recibos rexenerados.</translation>
    </message>
    <message>
        <source>You must select just one bill in order to edit it.</source>
        <translation>Debe seleccionar un só recibo para editalo.</translation>
    </message>
    <message>
        <source>Select just one bill and try again.</source>
        <translation>Seleccione un só recibo e ténteo de novo.</translation>
    </message>
    <message>
        <source>Selected bills will be permanently deleted</source>
        <translation>Os recibos seleccionados borraranse definitivamente</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected bill(s)?</source>
        <translation>
            <numerusform>Seguro que quere borrar o recibo seleccionado?</numerusform>
            <numerusform>Seguro que quere borrar os %n recibos seleccionados?</numerusform>
        </translation>
    </message>
    <message>
        <source>Error deleting bill</source>
        <translation>Erro ao borrar o recibo</translation>
    </message>
    <message>
        <source>Internal error deleting some bills in selected list.</source>
        <translation>Erro interno ao borrar algúns recibos da lista seleccionada.</translation>
    </message>
    <message>
        <source>In which language do you want to get the unpaid document?</source>
        <translation>En que idioma quere obter o escrito de impagos?</translation>
    </message>
    <message>
        <source>Galician</source>
        <translation>Galego</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Castelán</translation>
    </message>
    <message>
        <source>Do you want to get economic summary in excel format or do you want to preview it in screen and be able to print it?</source>
        <translation>Quere obter o resumo económico en formato Excel ou prefire velo na pantalla e poder imprimilo?</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Preview and print</source>
        <translation>Vista previa e imprimir</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Gardar informe</translation>
    </message>
    <message>
        <source>The economic summary workbook could not be written.</source>
        <translation>Non se puido escribir o libro do resumo económico.</translation>
    </message>
    <message>
        <source>Excel (*.xlsx)</source>
        <translation>Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>Non se puido gardar o informe como %1.</translation>
    </message>
    <message>
        <source>Bill listing</source>
        <translation>Listaxe de recibos</translation>
    </message>
    <message>
        <source>This tool will regenerate selected bills, overwriting all their data.</source>
        <translation>Esta ferramenta rexenerará os recibos seleccionados, sobrescribindo todos os seus datos.</translation>
    </message>
    <message>
        <source>Reading the bills of the period...</source>
        <translation>Lendo os recibos do período...</translation>
    </message>
</context>
<context>
    <name>SelectAsignaturasDialog</name>
    <message>
        <source>Add new subject</source>
        <translation>Engadir nova materia</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Illustrative price:</source>
        <translation>Prezo orientativo:</translation>
    </message>
    <message>
        <source>Assigned teachers</source>
        <translation>Profesores asignados</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrición</translation>
    </message>
    <message>
        <source>No subject has been selected</source>
        <translation>Non se seleccionou ningunha materia</translation>
    </message>
    <message>
        <source>Either select one in order to accept or cancel</source>
        <translation>Seleccione unha para aceptar, ou cancele</translation>
    </message>
</context>
<context>
    <name>SelectDBDialog</name>
    <message>
        <source>Choose database</source>
        <translation>Escoller base de datos</translation>
    </message>
    <message>
        <source>Choose the database to use:</source>
        <translation>Escolla a base de datos que quere usar:</translation>
    </message>
    <message>
        <source>Available database. Choose one</source>
        <translation>Bases de datos dispoñibles. Escolla unha</translation>
    </message>
    <message>
        <source>Create new database</source>
        <translation>Crear unha base de datos nova</translation>
    </message>
    <message>
        <source>Delete database</source>
        <translation>Borrar base de datos</translation>
    </message>
    <message>
        <source>Choose selected database</source>
        <translation>Usar a base de datos seleccionada</translation>
    </message>
    <message>
        <source>New database</source>
        <translation>Nova base de datos</translation>
    </message>
    <message>
        <source>New database name:</source>
        <translation>Nome da nova base de datos:</translation>
    </message>
    <message>
        <source>The database you are trying to delete is currently selected. Select another and try again to delete the database.</source>
        <translation>A base de datos que tenta borrar é a que está seleccionada. Seleccione outra e volva tentar borrala.</translation>
    </message>
    <message>
        <source>The database you are trying to delete is currently in use by another instance of the application. It is not possible to delete it</source>
        <translation>A base de datos que tenta borrar está a usala outra instancia da aplicación. Non é posible borrala.</translation>
    </message>
    <message>
        <source>Do you really want to delete the database %1?
All its data will be lost.</source>
        <translation>Desexa realmente borrar a base de datos %1?
Perderanse todos os seus datos.</translation>
    </message>
    <message>
        <source>It has been impossible to delete the database %1.</source>
        <translation>Non foi posible borrar a base de datos %1.</translation>
    </message>
    <message>
        <source>The database %1 can&apos;t be opened.</source>
        <translation>Non se pode abrir a base de datos %1.</translation>
    </message>
</context>
<context>
    <name>SelectObjetosDialog</name>
    <message>
        <source>Make your selection</source>
        <translation>Faga a súa selección</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Add new object</source>
        <translation>Engadir novo</translation>
    </message>
    <message>
        <source>Object description</source>
        <translation>Descrición</translation>
    </message>
</context>
<context>
    <name>SelectProfesorDialog</name>
    <message>
        <source>Create new teacher</source>
        <translation>Crear novo profesor</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Surname:</source>
        <translation>Apelidos:</translation>
    </message>
    <message>
        <source>Nickname: </source>
        <translation>Alcume: </translation>
    </message>
    <message>
        <source>Retentions: </source>
        <translation>Retencións: </translation>
    </message>
    <message>
        <source>Salary in %:</source>
        <translation>Soldo en %:</translation>
    </message>
    <message>
        <source>Salary/hour:</source>
        <translation>Soldo/hora:</translation>
    </message>
    <message>
        <source>Salary/month:</source>
        <translation>Soldo/mes:</translation>
    </message>
    <message>
        <source>No teacher selected</source>
        <translation>Non se seleccionou ningún profesor</translation>
    </message>
    <message>
        <source>Select a teacher to be able to accept</source>
        <translation>Seleccione un profesor para poder aceptar</translation>
    </message>
</context>
<context>
    <name>TipoListadoPorCursoDialog</name>
    <message>
        <source>List format</source>
        <translation>Tipo de listaxe</translation>
    </message>
    <message>
        <source>Students by course with €</source>
        <translation>Alumnos por curso con €</translation>
    </message>
    <message>
        <source>Students by course without €</source>
        <translation>Alumnos por curso sen €</translation>
    </message>
    <message>
        <source>Registrations by course between</source>
        <translation>Altas por curso entre</translation>
    </message>
    <message>
        <source>Withdraws by course between</source>
        <translation>Baixas por curso entre</translation>
    </message>
    <message>
        <source>Begin date</source>
        <translation>Data de inicio</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Data de fin</translation>
    </message>
</context>
<context>
    <name>TurnoAsignatura</name>
    <message>
        <source>The selected shift has assigned sessions</source>
        <translation>A quenda seleccionada ten sesións asignadas</translation>
    </message>
    <message>
        <source>The %1 shift of the %2 subject has one or more assigned sessions, these sessions will also be deleted</source>
        <translation>A quenda %1 da materia %2 ten unha ou máis sesións asignadas, que tamén se borrarán</translation>
    </message>
</context>
<context>
    <name>TurnoAsignaturaDialog</name>
    <message>
        <source>Subject shift</source>
        <translation>Quenda de materia</translation>
    </message>
    <message>
        <source>Shift name</source>
        <translation>Nome da quenda</translation>
    </message>
    <message>
        <source>Type shift name</source>
        <translation>Escriba o nome da quenda</translation>
    </message>
    <message>
        <source>Illustrative price</source>
        <translation>Prezo orientativo</translation>
    </message>
    <message>
        <source>Illustrative price, only for reference</source>
        <translation>Prezo orientativo, só como referencia</translation>
    </message>
    <message>
        <source>There is already a shift of this subject with the same name</source>
        <translation>Xa hai unha quenda desta materia co mesmo nome</translation>
    </message>
    <message>
        <source>It is not possible to create more than a single subject shift with the same name. Please, select a different shift name.</source>
        <translation>Non se pode crear máis dunha quenda dunha materia co mesmo nome. Escolla outro nome para a quenda.</translation>
    </message>
</context>
<context>
    <name>TurnoAsignaturaTableModel</name>
    <message>
        <source>Subject</source>
        <translation>Materia</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Quenda</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrición</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezo</translation>
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
        <translation>Orde</translation>
    </message>
</context>
<context>
    <name>TurnoCurso</name>
    <message>
        <source>Registrations from %1 to %2</source>
        <translation>Altas do %1 ao %2</translation>
    </message>
    <message>
        <source>Withdraw from %1 to %2</source>
        <translation>Baixas do %1 ao %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>OBSERVACIÓNS</translation>
    </message>
</context>
<context>
    <name>TurnoCursoDialog</name>
    <message>
        <source>Course shift</source>
        <translation>Quenda de curso</translation>
    </message>
    <message>
        <source>Shift name</source>
        <translation>Nome da quenda</translation>
    </message>
    <message>
        <source>Type shift name</source>
        <translation>Escriba o nome da quenda</translation>
    </message>
    <message>
        <source>Illustrative price</source>
        <translation>Prezo orientativo</translation>
    </message>
    <message>
        <source>Illustrative price, only for reference</source>
        <translation>Prezo orientativo, só como referencia</translation>
    </message>
    <message>
        <source>€</source>
        <translation>€</translation>
    </message>
    <message>
        <source>If there is no desired subject shift, you can create a new one</source>
        <translation>Se non existe a quenda de materia desexada, pode crear unha nova</translation>
    </message>
    <message>
        <source>Every course subject must have a shift selected</source>
        <translation>Cada materia do curso debe ter unha quenda escollida</translation>
    </message>
    <message>
        <source>Please select a shift for each subject to continue. </source>
        <translation>Escolla unha quenda para cada materia para continuar. </translation>
    </message>
    <message>
        <source>There is already another course shift with this name</source>
        <translation>Xa existe outra quenda de curso con este nome</translation>
    </message>
    <message>
        <source>It is not possible to create more than a single course shift with the same name.Please select a different course shift name to continue.</source>
        <translation>Non se pode crear máis dunha quenda de curso co mesmo nome. Escolla outro nome para a quenda de curso para continuar.</translation>
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
        <translation>Quenda</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrición</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezo</translation>
    </message>
    <message>
        <source>Number of subjects</source>
        <translation>Número de materias</translation>
    </message>
</context>
</TS>
