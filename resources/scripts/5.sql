UPDATE alta SET nombrealumno = (SELECT alumno.apellidos || ', ' || alumno.nombre FROM alumno WHERE alumno.id = alta.idalumno);
UPDATE property SET value = '6' WHERE key = 'next_db_version';
