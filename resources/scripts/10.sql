CREATE TABLE recibo2 (id INTEGER primary key autoincrement, fecha DATE NOT NULL, importe LONG NOT NULL, importepagado LONG NOT NULL, descuento DOUBLE, concepto TEXT NOT NULL, datosalumno VARCHAR(255) NOT NULL, pagado BOOL NOT NULL DEFAULT 'false', automatico BOOL NOT NULL DEFAULT 'true', idalumno INTEGER REFERENCES alumno(id) ON DELETE SET NULL, pagaderoen VARCHAR(60), nrecibo LONG NOT NULL DEFAULT '0', serie CHAR NOT NULL DEFAULT '2012', CONSTRAINT 'unic_serie_recibo' UNIQUE (nrecibo, serie));
INSERT INTO recibo2 SELECT *, '2012' FROM recibo;
DROP TABLE recibo;
ALTER TABLE recibo2 RENAME TO recibo;
INSERT INTO property (key, value) VALUES ('serieactual', '2012');
UPDATE property SET value = '11' WHERE key = 'next_db_version';
