ALTER TABLE alta ADD COLUMN nombreasignatura NOT NULL default '';
UPDATE alta SET nombreasignatura = rtrim(substr(alta.nombreturnoasignatura,0,length(alta.nombreturnoasignatura)-3));
UPDATE property SET value = '8' WHERE key = 'next_db_version';
