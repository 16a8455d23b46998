ALTER TABLE recibo ADD COLUMN pagaderoen varchar(60);
UPDATE recibo SET pagaderoen = (SELECT alumno.ccc FROM alumno WHERE alumno.id = recibo.idalumno);
UPDATE property SET key = 'next_db_version', value = '5' WHERE key = 'version';
