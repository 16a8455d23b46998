ALTER TABLE recibo ADD COLUMN nrecibo LONG NOT NULL default 0;
INSERT INTO property (key, value) VALUES ('siguienterecibo', '2419');
UPDATE property SET value = '9' WHERE key = 'next_db_version';
