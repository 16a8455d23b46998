ALTER TABLE asignatura ADD COLUMN edad integer default 0;
UPDATE property SET value = '4' WHERE key = 'version';
