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
</TS>
