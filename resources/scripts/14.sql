UPDATE property SET value = '0' WHERE key = 'siguienterecibo';
UPDATE property SET value = '15' WHERE key = 'next_db_version';
