CREATE TABLE alta2 (id INTEGER primary key autoincrement, falta DATE NOT NULL, fbaja DATE, precio LONG NOT NULL, condescuento BOOLEAN, observaciones VARCHAR(320), nombrealumno VARCHAR(80) NOT NULL, nombreturnoasignatura VARCHAR(80) NOT NULL, idalumno INTEGER REFERENCES alumno(id) ON DELETE CASCADE, idturnoasignatura INTEGER CONSTRAINT 'fk_alta_turnoasignatura' REFERENCES turnoasignatura(id) ON DELETE SET NULL, preciobase LONG NOT NULL DEFAULT '0', nombreasignatura NOT NULL DEFAULT '''');
INSERT INTO alta2 SELECT * FROM alta;
DROP TABLE alta;
ALTER TABLE alta2 RENAME TO alta;
UPDATE property SET value = '13' WHERE key = 'next_db_version';
