import java.io.IOException;
import java.time.DateTimeException;
import java.time.LocalDate;

/** A date: an i32 yyyymmdd, 0 for no date. */
public class DateField extends Field
{
    protected LocalDate value;  // null for no date

    public DateField(String name, int attr, int lastVersion)
    {
        super(name, attr, lastVersion);
    }

    public LocalDate getValue()
    {
        return value;
    }

    public int kind()
    {
        return KIND_DATE;
    }

    public void readValue(LEDataInputStream instrm) throws IOException
    {
        value = toDate(instrm.readInt(), name);
    }

    /** The date of a stored yyyymmdd, null for 0. */
    static LocalDate toDate(int yyyymmdd, String fieldName) throws IOException
    {
        if (yyyymmdd == 0)
            return null;
        try {
            if (yyyymmdd < 0)
                throw new DateTimeException("negative");
            return LocalDate.of(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100);
        } catch (DateTimeException e) {
            throw new IOException("field " + fieldName + " holds an invalid date " + yyyymmdd);
        }
    }

    static String dateText(LocalDate d)
    {
        return String.format("%04d-%02d-%02d", d.getYear(), d.getMonthValue(), d.getDayOfMonth());
    }

    public String toJson()
    {
        return jsonString(value == null ? "" : dateText(value));
    }
}
