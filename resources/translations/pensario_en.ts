<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ASaveAsHelper</name>
    <message>
        <source>&lt;p align=&quot;center&quot;&gt;Page %%PAGENUM%% of %%PAGECOUNT%%&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma separated values (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t generate listings in selected format: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error creating file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;An error happened while creating listing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the file&apos;s name, you have write permission and enough disk space.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Academia</name>
    <message>
        <source>Student %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject %1 is overlapped %2s from %3:%4 to %6:%7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classroom %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student %1 has already signed up in subject %2, shift %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The office is open from %1 to %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlumnoDialog</name>
    <message>
        <source>Student data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student name. (Mandatory field)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student surname. (Mandatory field)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student DNI. (Must be a correctly formatted DNI)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student address. (Not mandatory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student city. (Not mandatory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student province. (Not mandatory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student postal code. (Not mandatory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student email. (Must have e-mail format)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount applied to the student by default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student bank. (Not mandatory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student bank address. (Not mandatory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student bank account. (Must have bank account format)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fotografía</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Students&apos; phone numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student phones list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments about the student.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This student may have brothers in the database. Brothers found: &lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to change the discount for this student?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The student could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been stored. Try again; if the error persists contact your provider.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student school. (Not mandatory)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlumnoTableModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlumnosWidget</name>
    <message>
        <source>Students</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter by name, surname, school...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only students</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only active students</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only ex-students</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only students who left all their classes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all students in database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show selected student&apos;s subjects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General withdraw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdraw student from all his subjects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show timetable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the listing according to the filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save listing in different formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose only one student and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must choose only one in order to edit it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must choose only one student.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 - %3, signed up on %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to withdraw %n student(s) selected from all their subjects?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>
If you agree choose the date to withdraw from all subjects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t withdraw from all subjects from the following students because assign date of any of them happens after the date chosen: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These sign-ups are still open:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student %1 has subjects assigned so if it is deleted bills won&apos;t be generated and student will be withdrawn from all courses. Subjects assigned:&lt;ul&gt;%2&lt;/ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to delete the student anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error deleting student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error deleting student with id %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen students will be deleted permanently.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n chosen students?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Student list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listado_alumnos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been changed. Try again; if the error persists contact your provider.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppStatusDialog</name>
    <message numerus="yes">
        <source>Omitted %n error(s)</source>
        <translation>
            <numerusform>Omitted %n error</numerusform>
            <numerusform>Omitted %n errors</numerusform>
        </translation>
    </message>
    <message>
        <source>No errors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Asignatura</name>
    <message>
        <source>Subject couldn&apos;t be removed because it has shifts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and course.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and teacher.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AsignaturaAlumnoDialog</name>
    <message>
        <source>Sign up in subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject to sign up to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift in which to sign up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject base price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>€</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applied discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount applied to this student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date when the student will start receiving classes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resign date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When student will resign. (Not mandatory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for indefinite period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No resign date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments about registration (special schedule, etc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Associated shift has been erased: %1&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no subjects in the application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So the next step (subscribe a student to a subject) can not be done now.
Please create at least a subject and a turn and then subscribe the student to the subject.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shift you are trying to sign up this student in has no sessions assigned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you sign up this student, the classroom capacity will be exceeded in %1. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to proceed anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign up and withdraw dates are incorrect. Check them and try again. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student has already been signed up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This information is NOT in the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This classroom&apos;s capacity has been exceeded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsuccessful sign up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This student&apos;s register has not been UPDATED, because:  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student couldn&apos;t be signed up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student couldn&apos;t be signed up because: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There has been an unexpected error. Try again, if the error persists contact your provider. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AsignaturasAlumnoDialog</name>
    <message>
        <source>Subject list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;p&gt;&lt;b&gt;Student:&lt;/b&gt; %1, %2&lt;/p&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student subjects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign up in subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdraw from subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close window and save changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2, signed up on %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it starts after today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These sign-ups could not be withdrawn today:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to completely delete elements from db.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Probably you would prefer to withdraw the student from the subjects.Are you sure you really want to delete these elements?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These sign-ups could not be deleted:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AsignaturasAlumnoTableModel</name>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdraw date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AulaDialog</name>
    <message>
        <source>Edit classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classroom name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classroom location within the academy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum number of students in this classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments about this classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been impossible to store the classroom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classroom is no longer stored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General school data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address of the school. It will be shown in generated documents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page of the school. It will be shown in generated documents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone number of the school. It will be shown in generated documents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact e-mail of the school. It will be shown in generated documents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commercial name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commercial name of the school. It will be shown in generated documents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firm name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firm name of the school. It will be shown in generated documents like bills.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NIF/CIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NIF/CIF of the school. It will be shown in generated documents like bills.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office opening hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening hour in the morning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing hour in the morning (or in the afternoon if next two fields are equal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening hour in the afternoon (if this field is equal to the next one, a non break working time is assumed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing hour in the afternoon (if this field is equal to the previous one, a non break working time is assumed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour from which the school can have classes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour until the school can have classes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To change the logo (It is used in the generated documents and in the background of the application)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classrooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classrooms in the school</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classrooms in academy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To add a new classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To delete selected classrooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billing information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Issued in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place to set the bills issued in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falling due in (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days until falling due from the generated bill day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showing or not the subject shift name in the bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show subject shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force next bill number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force next bill number. Useful in case there were bill numbers previous the use of this application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current bill series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new bill series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete empty series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teachers configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Payment method for the teachers:&lt;/p&gt;&lt;p&gt; - Month: Teachers can earn a fixed amount of money each month.&lt;/p&gt;&lt;p&gt; - Hour: Teachers can earn a fixed amount of money for each teaching hour they give.&lt;/p&gt;&lt;p&gt; - Percentage: Teachers can earn a percentage of the money their students pay to the school.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Several payment methods can be used at a time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a new password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are some sessions outside opening times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input password is not right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input desired password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retype password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered passwords don&apos;t match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input a password again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password can&apos;t be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been impossible to change the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The previous password is still in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New series&apos; name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classroom </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;li&gt;%1 at %2:%3&lt;/li&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;It is not possible to delete a classroom with sessions. &lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classroom %1, which you are trying to delete, has the following sessions: &lt;br/&gt;%2&lt;br/&gt; Edit them before deleting the classroom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is a nameless classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classroom won&apos;t be saved. Do you want to save other changes or cancel and go back to put it a name?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been impossible to save the classrooms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No classroom has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table shows the classrooms as they are now stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been impossible to save the configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CrearSesionDeClaseDialog</name>
    <message>
        <source>Create sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select classroom for the new session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher who will give the lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All days will start and finish at the same time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;You must choose a subject. &lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No weekday has been chosen, sessions can&apos;t be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been impossible to store the sessions.
None of them has been created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 end hour is less or equal than begin hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 session duration is too short. Sessions must be at least 10 minutes long.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CursoDialog</name>
    <message>
        <source>Course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Course name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly fee(illustrative)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustrative fee of the whole course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>€</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes about the course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subjects:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subjects available in the course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shifts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shifts available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The course name already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a course with the same name. Please edit the course name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already another course shift with this name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename the course shift %1 before saving the course.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every course subject must have a shift selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The course shift %1 has no shift of %2. Double-click it to choose one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Course without shifts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t create a course without shifts. Please add at least a shift in order to create the course.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Course without subjects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t create a course without subjects. Please add at least a subject in order to create the course.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The course could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database refused to store it and nothing of it was kept. Check the data and try again, or cancel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CursosWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type to filter by course, shift, description...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available courses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get listing by selected course and student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print listing that matches filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save listing in different formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one course shift can be edited at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select only one course shift and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected course shifts will be permanently deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete %n course shifts(s) selected?</source>
        <translation>
            <numerusform>Are you sure you want to delete the selected course shift?</numerusform>
            <numerusform>Are you sure you want to delete the %n selected course shifts?</numerusform>
        </translation>
    </message>
    <message>
        <source>Internal error deleting course shift.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Course list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listado_cursos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no data in selected lists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DBManager</name>
    <message>
        <source>Invalid database name.
A name can&apos;t contain &quot;/&quot;, &quot;\&quot;, &quot;..&quot; or &quot;.db_&quot;, nor begin with &quot;.&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databases without name can&apos;t be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a database with the same name. Database can&apos;t be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create password - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default database has no password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database &quot;%1&quot; has no password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All databases must have password, so you must enter a password right now for this database:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t enter an empty password. Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reenter password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords don&apos;t match. Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password for default database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password for database &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dao</name>
    <message>
        <source>Unable to update de database. Unable to open file :/scripts/%1.sql</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateSelectDialog</name>
    <message>
        <source>Select date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the date when you want to withdraw students from courses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditSesionDeClaseDialog</name>
    <message>
        <source>Edit class session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session week day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session begin hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session end hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been impossible to store the session.
It keeps its former data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End time is less or equal than begin time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session duration is too short. Sessions must be at least 10 minutes long.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Error list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors in academy status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omit ignored warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omit ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as is and ignore shown errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert to a previous state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close window and try to fix by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix manually</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HorarioAlumnosWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the student&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day/hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;NO TEACHER ASSIGNED&lt;/b&gt;&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4 &lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Classroom:&lt;/b&gt; %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timetable for student %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HorarioAulasWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the classroom&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day/hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;NO TEACHER ASSIGNED&lt;/b&gt;&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4 &lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timetable for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HorarioDiasWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the day&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classroom/hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timetable for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please, add a classroom in order to add sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;NO TEACHER ASSIGNED&lt;/b&gt;&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Teacher:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;It is not possible to delete a classroom with classes. &lt;/br&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The room you are trying to delete has the following sessions assigned: &lt;br/&gt;%1&lt;br/&gt; Edit them before deleting the classroom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been impossible to remove the classroom.
It is still stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;li&gt;%1 at %2:%3&lt;/li&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HorarioProfesoresWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the teacher&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day/hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4 &lt;br/&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Classroom:&lt;/b&gt; %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timetable for teacher %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HorariosWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are classes outside shown range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600; color:#ff0000;&quot;&gt;Not all classes are being shown&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore opening hours and show whole day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print timetable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are classrooms outside hour range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not all classes will be shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no classrooms available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please create a classroom before trying to add a session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been impossible to remove the session.
It is still stored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HorariosWindowWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher schedules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classroom schedules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student schedules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day schedules</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListadoResEcon</name>
    <message>
        <source>DATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CASHED/BANK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CASHED/CASH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAID/CASH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PENDING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TC1: </source>
        <extracomment>Do not put utf8 chars in it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageSession</name>
    <message>
        <source>The changes cannot be started.
Another change is still pending, or the database refuses to start one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes could not be saved.
They are still pending: try again, or revert them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes could not be saved.
The database took them back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Profesor</name>
    <message>
        <source>Student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student listing for teacher: %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generated income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withholdings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready cash perceived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Economic summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>€/month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>€ for teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed salary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>€/hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed salary an hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount raised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% for teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Of salary by percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withholding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfesorTableModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdraw date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The capacity of classroom %1 is surpassed by %2 students on %3 at %4:%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student %1 is signed up in two shifts of subject %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session shouldn&apos;t begin %3 at %1:%2, because the configured opening hours are from %4 to %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In classroom %1 there is no professor %2s at %3:%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject %1 of course %2 has no shifts assigned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shift %2 of subject %1 has no sessions assigned</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Recibo</name>
    <message>
        <source>Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReciboDialog</name>
    <message>
        <source>Bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bill number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bill expedition date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bill amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>€</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bill discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To pay in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account where to pay the money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check if bill has been paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payer name and address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check if you want to edit the bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edition allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect amount paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paid amount can&apos;t exceed the total bill amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been impossible to make bill update. Check no bills with the same bill number exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReciboTableModel</name>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecibosWidget</name>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only not paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Print selected bill&lt;span style=&quot; font-weight:600;&quot;&gt; or current month&apos;s if there is none selected&lt;/span&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate bills for current month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenerate selected bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Economic summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get economic summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate unpaid list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate unpaid bills document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print bill listing that matches current filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export listing in different formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are bills already generated for this month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As well as creating nonexistent bills , Do you want to overwrite selected ones?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only bills with no manual changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t overwrite. Just generate new ones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generating the bills of the month...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bills could not be generated; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bills created.
%2 bills modified.
%3 bills unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This tool will regenerate selected filters, overwriting all their data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regenerating the selected bills...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bills could not be regenerated; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bills regenerated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select just one bill in order to edit it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select just one bill and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected bills will be permanently deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected bill(s)?</source>
        <translation>
            <numerusform>Are you sure you want to delete the %n selected bill?</numerusform>
            <numerusform>Are you sure you want to delete the %n selected bills?</numerusform>
        </translation>
    </message>
    <message>
        <source>Error deleting bill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error deleting some bills in selected list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the bills for printing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In which language do you want to get the unpaid document?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galician</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the unpaid bill letters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to get economic summary in excel format or do you want to preview it in screen and be able to print it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview and print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The economic summary workbook could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bill listing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectDBDialog</name>
    <message>
        <source>Choose database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the database to use:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available database. Choose one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose selected database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New database name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database you are trying to delete is currently selected. Select another and try again to delete the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database you are trying to delete is currently in use by another instance of the application. It is not possible to delete it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete the database %1?
All its data will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been impossible to delete the database %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database %1 can&apos;t be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TipoListadoPorCursoDialog</name>
    <message>
        <source>List format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Students by course with €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Students by course without €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registrations by course between</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdraws by course between</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnoAsignatura</name>
    <message>
        <source>The selected shift has assigned sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 shift of the %2 subject has one or more assigned sessions, these sessions will also be deleted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnoAsignaturaTableModel</name>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Courses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of students</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnoCurso</name>
    <message>
        <source>Registrations from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdraw from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMMENTS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnoCursoDialog</name>
    <message>
        <source>Course shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type shift name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustrative price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustrative price, only for reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>€</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If there is no desired subject shift, you can create a new one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every course subject must have a shift selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a shift for each subject to continue. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already another course shift with this name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to create more than a single course shift with the same name.Please select a different course shift name to continue.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnoCursoTableModel</name>
    <message>
        <source>Course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of subjects</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AsignaturaDialog</name>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustrative monthly price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a teacher to the subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detach the selected teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shifts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shift you are trying to delete has sessions assigned. These sessions will be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Students signed up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are students signed up in the shift you are deleting. Those students will be withdrawn from the subject.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incomplete sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The teacher you are detaching from this subject has sessions assigned. The teacher will be removed from those sessions, which will have to be manually fixed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subject could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing of it has been stored. Check the data (another subject may have the same name) and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing of it has been stored. The database answered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject without shifts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t create a subject without shifts. Please, add a shift at least in order to save the subject.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AsignaturasWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type to filter by subject, shift, description...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available subjects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print filtered listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export listing with different formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can only edit one shift at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select only one shift and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been impossible to delete the shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected shifts will be permanently deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete %n selected shift(s)?</source>
        <translation>
            <numerusform>Are you sure you want to delete %n selected shift?</numerusform>
            <numerusform>Are you sure you want to delete %n selected shifts?</numerusform>
        </translation>
    </message>
    <message>
        <source>Subject list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>subject_list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfesorDialog</name>
    <message>
        <source>Teacher data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher name. (Mandatory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher surname. (Mandatory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher nickname. Default is teacher name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher identity card number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher province</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher postal code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed month salary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary teacher will perceive every month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary in %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percentage of salary teacher will perceive according to earnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed hour salary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary teacher will perceive for every hour of work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withholdings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount of money withheld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher bank address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher bank account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdrawal date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for indefinite period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No withdrawal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher phone numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving will set pay rates to 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The academy&apos;s billing options no longer offer these pay kinds, but this teacher has them stored:
%1
Do you want to save the teacher with them set to 0?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The teacher could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been stored. Check the data and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfesoresWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquidation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected teacher liquidation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get student list for this teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show timetable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows timetable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print listing that matches filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints listing with different formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must choose just one teacher in order to edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select only one teacher and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error deleting teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error deleting teacher with id %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has not been deleted; the other selected teachers are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected teachers will be permanently deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected teacher(s)?</source>
        <translation>
            <numerusform>Are you sure you want to delete the selected teacher?</numerusform>
            <numerusform>Are you sure you want to delete the %n selected teachers?</numerusform>
        </translation>
    </message>
    <message>
        <source>Teacher listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>teacher_listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settlement is incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The income of some shifts could not be read, so the percentage part counts them as 0. Do not pay it out as shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectAsignaturasDialog</name>
    <message>
        <source>Add new subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustrative price:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assigned teachers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No subject has been selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either select one in order to accept or cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectObjetosDialog</name>
    <message>
        <source>Make your selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectProfesorDialog</name>
    <message>
        <source>Create new teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nickname: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retentions: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary in %:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary/hour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salary/month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No teacher selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a teacher to be able to accept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnoAsignaturaDialog</name>
    <message>
        <source>Subject shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type shift name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustrative price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illustrative price, only for reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a shift of this subject with the same name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to create more than a single subject shift with the same name. Please, select a different shift name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
