ALTER TABLE alta ADD COLUMN preciobase LONG NOT NULL default 0;
UPDATE alta SET preciobase = precio;
UPDATE property SET value = '7' WHERE key = 'next_db_version';
